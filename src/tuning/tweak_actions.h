// What the special System Tuning windows share: the state poll timer, a row of choice buttons
// showing the value in force, and the frame of lines drawn around a group of buttons. A button
// write with its outcome message is tweak/button_write.h.
#pragma once

#include "tuning/choice_setting.h"
#include "tweak/button_write.h"

#include <QRect>
#include <QString>

#include <functional>
#include <vector>

class QLabel;
class QPushButton;
class QTimer;
class QWidget;

namespace zw::tuning {

// A running poll timer named `name` (Timer1, Timer2) that calls `tick`; an error raised by a
// tick ends that tick only. The first tick comes at once.
QTimer* startPoll(QWidget* window, const QString& name, std::function<void()> tick);

// Disables the button of the value in force and enables the others; Keep and TickEnded leave
// every button as it is.
void showChoice(const std::vector<QPushButton*>& buttons, const ChoiceOutcome& outcome);

// A button's design name and caption.
struct ButtonText {
    QString name;
    QString caption;
};
std::vector<ButtonText> buttonTexts(const std::vector<ChoiceButton>& choices);

// Centres the title label lblCaption over the whole width of the window, in the catalogues'
// title size, so the title fits whatever font the system has.
void centreCaption(shell::ToolWindow& window);

// Makes the label's font smaller (not below 7 points) until `sample` fits into `width` pixels.
void shrinkToFit(QLabel* label, const QString& sample, int width);

// Word-wrapped labels one below the other from `top` (twips), each as high as its text needs
// at `width`, `gap` apart. Returns the bottom of the last one, in twips.
int addProse(QWidget* window, const std::vector<ButtonText>& labels, int left, int top, int width, int gap = 120);

// One button per text, `perRow` side by side, from `first` (twips), `step` apart.
std::vector<QPushButton*> addButtonGrid(QWidget* window, const std::vector<ButtonText>& texts, QRect first, QPoint step,
                                        int perRow);

// Five lines around `frame` (twips): the top line is broken at its left end by the title label
// `titleName` (whose text carries its own leading blank).
QLabel* addLineFrame(QWidget* window, const QString& titleName, const QString& title, QRect frame);

}  // namespace zw::tuning
