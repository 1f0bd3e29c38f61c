#include "tips/option_box_window.h"

#include "shell/qt_text.h"
#include "tweak/poll_timer.h"
#include "tweak/toggle_writes.h"

#include <QCheckBox>

namespace zw::tips {

OptionBoxWindow::OptionBoxWindow(const OptionWindowDesign& design)
    : TipWindow(design.name.c_str(), design.widthTwips, design.heightTwips, shell::toQString(design.caption)), design_(design)
{
    addFrameTitle(shell::toQString(design.title), QRect(360, 120, design.widthTwips - 720, 375));
    const int labelSpace = design.firstBoxTop - 840 - 120;
    const int labelHeight = labelSpace / static_cast<int>(design.labels.size());
    for (std::size_t i = 0; i < design.labels.size(); ++i)
        addProse(QStringLiteral("Label%1").arg(i + 1), shell::toQString(design.labels[i]),
                 QRect(600, 840 + static_cast<int>(i) * labelHeight, design.widthTwips - 1200, labelHeight - 60));

    int top = design.firstBoxTop;
    for (const OptionBox& option : design.boxes) {
        auto* box = new QCheckBox(shell::toQString(option.caption), this);
        box->setObjectName(shell::toQString(option.name));
        box->setGeometry(twipsRect(720, top, 5415, 255));
        box->setAutoFillBackground(true);
        box->setStyleSheet(QStringLiteral("QCheckBox { background: #%1; }").arg(option.background, 6, 16, QLatin1Char('0')));
        // toggled: a real change of state, by a click or by the poll; setting the state a box
        // already has is no change and writes nothing.
        connect(box, &QCheckBox::toggled, this, [&option](bool ticked) { runStep([&] { performWrite(optionWrite(option, ticked)); }); });
        boxes_.push_back(box);
        top += 360;
    }
    const int bottom = design.heightTwips - 840;
    addCloseAndOnTop(QStringLiteral("Command1"), QRect(design.widthTwips / 2 - 1328, bottom, 2655, 495),
                     QPoint(design.widthTwips - 1560, bottom + 120));
}

void OptionBoxWindow::load()
{
    startPoll(this, QStringLiteral("Timer1"), [this] { poll(); });
}

void OptionBoxWindow::poll()
{
    runStep([this] {
        const std::vector<bool> states = pollOptionBoxes(design_.boxes);
        for (std::size_t i = 0; i < states.size(); ++i)
            boxes_[i]->setChecked(states[i]);
    });
}

}  // namespace zw::tips
