// The frame of a Tips und Tricks special window: a tool window that returns to `Tricks`, with
// the background, the title label, explanatory prose, drawn frames and the close button placed
// in twips.
#pragma once

#include "shell/tool_window.h"

class QGroupBox;

namespace zw::tips {

class TipWindow : public shell::ToolWindow {
    Q_OBJECT
public:
    // `name` is the design name; the window starts without "On Top", has no ESC and no owl.
    TipWindow(const char* name, int widthTwips, int heightTwips, const QString& caption);

protected:
    // Background picture and title label (lblCaption) in the program's title style.
    void addFrameTitle(const QString& title, QRect twips);
    // A word-wrapped explanatory label.
    QLabel* addProse(const QString& name, const QString& text, QRect twips);
    // A drawn frame titled `title` (the title keeps its own leading blank).
    QGroupBox* addGroup(const QString& name, const QString& title, QRect twips);
    // The close button (shows `Tricks`, unloads this window) and the "On Top" box.
    QPushButton* addCloseAndOnTop(const QString& closeName, QRect closeTwips, QPoint onTopTwips,
                                  const QString& closeCaption = QStringLiteral("Schließen"));
    // A button in twips.
    QPushButton* addButtonAt(const QString& name, const QString& caption, QRect twips);
};

}  // namespace zw::tips
