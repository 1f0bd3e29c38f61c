#include "tuning/tweak_actions.h"

#include "shell/tool_window.h"
#include "tweak/poll_period.h"
#include "tweak/toggle_writes.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace zw::tuning {

namespace {

QFrame* addLine(QWidget* window, QRect pixels)
{
    auto* line = new QFrame(window);
    line->setObjectName(QStringLiteral("Line"));
    line->setFrameShape(pixels.width() >= pixels.height() ? QFrame::HLine : QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(pixels);
    return line;
}

}  // namespace

QTimer* startPoll(QWidget* window, const QString& name, std::function<void()> tick)
{
    auto* timer = new QTimer(window);
    timer->setObjectName(name);
    timer->setInterval(kPollPeriodMs);
    QObject::connect(timer, &QTimer::timeout, window, [tick] { runStep(tick); });
    timer->start();
    QTimer::singleShot(0, timer, [tick] { runStep(tick); });
    return timer;
}

void showChoice(const std::vector<QPushButton*>& buttons, const ChoiceOutcome& outcome)
{
    if (outcome.kind != ChoiceOutcome::Kind::Disable)
        return;
    for (std::size_t i = 0; i < buttons.size(); ++i)
        buttons[i]->setEnabled(i != outcome.index);
}

std::vector<ButtonText> buttonTexts(const std::vector<ChoiceButton>& choices)
{
    std::vector<ButtonText> texts;
    for (const ChoiceButton& c : choices)
        texts.push_back({QString::fromStdString(c.objectName), QString::fromStdString(c.caption)});
    return texts;
}

std::vector<QPushButton*> addButtonGrid(QWidget* window, const std::vector<ButtonText>& texts, QRect first, QPoint step,
                                        int perRow)
{
    std::vector<QPushButton*> buttons;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const int column = static_cast<int>(i) % perRow;
        const int row = static_cast<int>(i) / perRow;
        auto* button = new QPushButton(texts[i].caption, window);
        button->setObjectName(texts[i].name);
        button->setGeometry(shell::ToolWindow::twipsRect(first.left() + column * step.x(), first.top() + row * step.y(),
                                                         first.width(), first.height()));
        buttons.push_back(button);
    }
    return buttons;
}

QLabel* addLineFrame(QWidget* window, const QString& titleName, const QString& title, QRect frame)
{
    const QRect box = shell::ToolWindow::twipsRect(frame.left(), frame.top(), frame.width(), frame.height());
    auto* label = new QLabel(title, window);
    label->setObjectName(titleName);
    label->setStyleSheet(QStringLiteral("background: transparent;"));
    label->adjustSize();
    const int lineLeft = box.left() + 8;  // the short piece before the title
    label->move(lineLeft + 2, box.top() - label->height() / 2);
    const int afterTitle = label->geometry().right() + 2;

    addLine(window, QRect(box.left(), box.top(), lineLeft - box.left(), 2));
    addLine(window, QRect(afterTitle, box.top(), box.right() - afterTitle, 2));
    addLine(window, QRect(box.left(), box.top(), 2, box.height()));
    addLine(window, QRect(box.right() - 1, box.top(), 2, box.height()));
    addLine(window, QRect(box.left(), box.bottom() - 1, box.width(), 2));
    label->raise();
    return label;
}

}  // namespace zw::tuning
