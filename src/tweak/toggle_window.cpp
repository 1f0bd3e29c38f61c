#include "tweak/toggle_window.h"

#include "shell/window_parts.h"
#include "tweak/button_write.h"
#include "tweak/poll_timer.h"
#include "tweak/state_poll.h"
#include "tweak/toggle_layout.h"
#include "tweak/toggle_writes.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace zw {

namespace {

QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

QRect rectOf(const TwipsRect& r)
{
    return shell::ToolWindow::twipsRect(r.left, r.top, r.width, r.height);
}

shell::WindowDesign designOf(const RegistryToggle& t)
{
    shell::WindowDesign d;
    d.name = qs(t.name);
    d.widthTwips = t.widthTwips;
    d.heightTwips = t.heightTwips;
    d.caption = qs(t.caption);
    d.opener = qs(t.opener);
    return d;  // not topmost at load, no ESC, no owl
}

}  // namespace

ToggleWindow::ToggleWindow(const RegistryToggle& record, QWidget* parent)
    : ToolWindow(designOf(record), parent), record_(record)
{
    const ToggleLayout layout = layoutToggle(record);
    setBackground(shell::kToolBackground);
    addCaption(qs(record.title), rectOf(layout.caption));

    for (std::size_t i = 0; i < record.labels.size(); ++i) {
        QLabel* label = addLabel(QStringLiteral("Label%1").arg(i + 1), qs(record.labels[i]), rectOf(layout.labels[i]));
        label->setWordWrap(true);
    }
    if (layout.frame) {
        auto* frame = new QGroupBox(qs(record.buttonFrame), this);
        frame->setObjectName(QStringLiteral("Frame1"));
        frame->setGeometry(rectOf(*layout.frame));
    }
    if (layout.picture) {
        shell::addDecorativePicture(this, rectOf(*layout.picture));
    }
    if (layout.notice) {
        QLabel* notice = addLabel(QStringLiteral("Label%1").arg(record.labels.size() + 1), qs(record.notice),
                                  rectOf(*layout.notice));
        notice->setWordWrap(true);
    }

    apply_ = addButton(QStringLiteral("Command1"), qs(record.applyCaption), rectOf(layout.apply));
    connect(apply_, &QPushButton::clicked, this, [this] { runButton(record_.applyWrites); });
    if (record.hasRestore()) {
        restore_ = addButton(QStringLiteral("Command2"), qs(record.restoreCaption), rectOf(layout.restore));
        connect(restore_, &QPushButton::clicked, this, [this] { runButton(record_.restoreWrites); });
    }
    QPushButton* close = addButton(QStringLiteral("Command3"), QStringLiteral("Schließen"), rectOf(layout.close));
    connect(close, &QPushButton::clicked, this, &ToolWindow::closeWindow);
    addOnTopBox(rectOf(layout.onTop));
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
