// Parts that windows with a layout of their own build themselves from, over the tool-window
// frame: the title centred over the window, prose, a grid of buttons, a frame of lines around a
// group of buttons, and the decorative picture. Positions are in twips unless named pixels.
#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

#include <vector>

class QLabel;
class QPushButton;
class QWidget;

namespace zw::shell {

class ToolWindow;

// The picture beside the controls of the tweak windows (Image2), below the Data folder.
inline const QString kDecorativePicture = QStringLiteral("Pics/Misc/Tuning.png");

// A control's design name and its text.
struct NamedText {
    QString name;
    QString text;
};

// Centres the title label lblCaption over the whole width of the window, in the catalogues'
// title size, so the title fits whatever font the system has.
void centreCaption(ToolWindow& window);

// Makes the label's font smaller (not below 7 points) until `sample` fits into `width` pixels.
void shrinkToFit(QLabel* label, const QString& sample, int width);

// Word-wrapped labels one below the other from `top`, each as high as its text needs at
// `width`, `gap` apart. Returns the bottom of the last one, in twips.
int addProse(QWidget* window, const std::vector<NamedText>& labels, int left, int top, int width, int gap = 120);

// One button per text, `perRow` side by side, from `first`, `step` apart; a caption that
// needs more room widens its button.
std::vector<QPushButton*> addButtonGrid(QWidget* window, const std::vector<NamedText>& texts, QRect first, QPoint step,
                                        int perRow);

// Five lines around `frame`: the top line is broken at its left end by the title label
// `titleName` (whose text carries its own leading blank).
QLabel* addLineFrame(QWidget* window, const QString& titleName, const QString& title, QRect frame);

// Image2 at `pixels`, the picture scaled into it; a missing picture leaves the place empty.
QLabel* addDecorativePicture(QWidget* window, QRect pixels);

}  // namespace zw::shell
