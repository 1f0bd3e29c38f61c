#include "tweak/toggle_window.h"

#include "shell/qt_text.h"
#include "shell/window_parts.h"
#include "tweak/button_write.h"
#include "tweak/poll_timer.h"
#include "tweak/state_poll.h"
#include "tweak/toggle_layout.h"
#include "tweak/toggle_writes.h"
#include "tweak/twips_rect.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace zw {

namespace {

using shell::toQString;

shell::WindowDesign designOf(const RegistryToggle& t)
{
    shell::WindowDesign d;
    d.name = toQString(t.name);
    d.widthTwips = t.widthTwips;
    d.heightTwips = t.heightTwips;
    d.caption = toQString(t.caption);
    d.opener = toQString(t.opener);
    return d;  // not topmost at load, no ESC, no owl
}

}  // namespace

ToggleWindow::ToggleWindow(const RegistryToggle& record, QWidget* parent)
    : ToolWindow(designOf(record), parent), record_(record)
{
    const ToggleLayout layout = layoutToggle(record);
    setBackground(shell::kToolBackground);
    addCaption(toQString(record.title), pixelRect(layout.caption));

    for (std::size_t i = 0; i < record.labels.size(); ++i) {
        QLabel* label = addLabel(QStringLiteral("Label%1").arg(i + 1), toQString(record.labels[i]), pixelRect(layout.labels[i]));
        label->setWordWrap(true);
    }
    if (layout.frame) {
        auto* frame = new QGroupBox(toQString(record.buttonFrame), this);
        frame->setObjectName(QStringLiteral("Frame1"));
        frame->setGeometry(pixelRect(*layout.frame));
    }
    if (layout.picture) {
        shell::addDecorativePicture(this, pixelRect(*layout.picture));
    }
    if (layout.notice) {
        QLabel* notice = addLabel(QStringLiteral("Label%1").arg(record.labels.size() + 1), toQString(record.notice),
                                  pixelRect(*layout.notice));
        notice->setWordWrap(true);
    }

    apply_ = addButton(QStringLiteral("Command1"), toQString(record.applyCaption), pixelRect(layout.apply));
    connect(apply_, &QPushButton::clicked, this, [this] { runButton(record_.applyWrites); });
    if (record.hasRestore()) {
        restore_ = addButton(QStringLiteral("Command2"), toQString(record.restoreCaption), pixelRect(layout.restore));
        connect(restore_, &QPushButton::clicked, this, [this] { runButton(record_.restoreWrites); });
    }
    QPushButton* close = addButton(QStringLiteral("Command3"), QStringLiteral("Schließen"), pixelRect(layout.close));
    connect(close, &QPushButton::clicked, this, &ToolWindow::closeWindow);
    addOnTopBox(pixelRect(layout.onTop));
}

void ToggleWindow::load()
{
    if (record_.polls())
        startPoll(this, QStringLiteral("Timer1"), [this] { poll(); });
}

void ToggleWindow::poll()
{
    // An error in a tick ends that tick; the buttons keep their state.
    runStep([this] {
        const PollOutcome outcome = pollToggle(record_);
        if (outcome.kind == PollOutcome::Kind::Show)
            showState(outcome.state);
    });
}

void ToggleWindow::showState(ToggleState state)
{
    apply_->setEnabled(state == ToggleState::Default);
    if (restore_)
        restore_->setEnabled(state == ToggleState::Applied);
}

void ToggleWindow::runButton(const std::vector<RegistryWrite>& writes)
{
    writeAndConfirm(*this, [&writes] { performWrites(writes); });
}

}  // namespace zw
