#include "tips/instruction_page_window.h"

#include "platform/services.h"
#include "shell/link_label.h"
#include "shell/qt_text.h"
#include "shell/win_dir.h"
#include "tweak/toggle_writes.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace zw::tips {

namespace {

QString colour(std::uint32_t rgb)
{
    return QStringLiteral("#%1").arg(rgb, 6, 16, QLatin1Char('0'));
}

constexpr int kLeft = 600;
constexpr int kGap = 120;

}  // namespace

InstructionPageWindow::InstructionPageWindow(const InstructionPage& page)
    : TipWindow(page.name.c_str(), page.widthTwips, page.heightTwips, shell::toQString(page.caption))
{
    const int width = page.widthTwips - 2 * kLeft;
    addFrameTitle(shell::toQString(page.title), QRect(360, 120, page.widthTwips - 720, 375));
    int top = 840;
    for (const PageBlock& block : page.blocks) {
        const QRect place(kLeft, top, width, block.heightTwips);
        switch (block.kind) {
        case PageBlock::Kind::Prose:
            addProse(shell::toQString(block.name), shell::toQString(block.text), place);
            break;
        case PageBlock::Kind::Red:
            addProse(shell::toQString(block.name), shell::toQString(block.text), place)
                ->setStyleSheet(QStringLiteral("color: #FF0000; background: transparent;"));
            break;
        case PageBlock::Kind::Command: {
            // There to be read and copied: selectable, not editable, nothing reads it back.
            const QString style = QStringLiteral("background: %1; border: none;").arg(colour(block.background));
            QWidget* box = nullptr;
            if (block.multiLine) {
                auto* edit = new QPlainTextEdit(shell::toQString(block.text), this);
                edit->setReadOnly(true);
                box = edit;
            } else {
                auto* edit = new QLineEdit(shell::toQString(block.text), this);
                edit->setReadOnly(true);
                edit->setFrame(false);
                box = edit;
            }
            box->setObjectName(shell::toQString(block.name));
            box->setStyleSheet(style);
            box->setGeometry(twipsRect(place.x(), place.y(), place.width(), place.height()));
            break;
        }
        case PageBlock::Kind::Link: {
            auto* link = new shell::LinkLabel(shell::toQString(block.name), shell::toQString(block.text), QString(), this);
            link->setStyleSheet(QStringLiteral("QLabel { color: #0000FF; background: transparent; }"));
            link->move(twipsRect(place.x(), place.y(), 0, 0).topLeft());
            link->adjustSize();
            const QString commandLine = shell::toQString(block.commandLine);
            const int style = block.windowStyle;
            connect(link, &shell::LinkLabel::clicked, this,
                    [commandLine, style] { platform::services().launcher->startProgram(commandLine, style); });
            break;
        }
        }
        top += block.heightTwips + kGap;
    }
    if (page.uninstallButton) {
        connect(addButtonAt(QStringLiteral("Command1"), QStringLiteral("Deinstallieren"), QRect(kLeft, top + 240, 2655, 495)),
                &QPushButton::clicked, this, &InstructionPageWindow::uninstallMessenger);
    }
    const int bottom = page.heightTwips - 840;
    addCloseAndOnTop(shell::toQString(page.closeButton), QRect(page.widthTwips / 2 - 1328, bottom, 2655, 495),
                     QPoint(page.widthTwips - 1560, bottom + 120));
}

void InstructionPageWindow::uninstallMessenger()
{
    // Every step runs, so the message follows also a start that failed. "On Top" stays.
    std::string commandLine;
    runStep([&] { commandLine = messengerUninstallCommand(WinDir::GetWindowsFolder().toStdString()); });
    runStep([&] { platform::services().launcher->startProgram(shell::toQString(commandLine), platform::kShowNormal); });
    runStep([] {
        platform::services().dialogs->messageBox(shell::toQString(kOperationDone),
                                                 platform::kProgramTitle, platform::MsgIcon::Information);
    });
}

}  // namespace zw::tips
