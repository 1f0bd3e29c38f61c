// Form1: the main window and hub — three catalogue buttons, three service buttons, Quick Info,
// the title animation, minimising into the notification area, and the program's start-up
// sequence (single instance, component repair).
#pragma once

#include "tool_window.h"

#include <memory>

class QPlainTextEdit;
class QTimer;

namespace zw::shell {

class CaptionAnimation;

class Form1 final : public ToolWindow {
    Q_OBJECT
public:
    static const WindowDesign& designOf();

    Form1();

    bool windowKeyPress(QKeyEvent* event) override;

    // Sets OwlFlag and starts SlideCaptionLeft (space, double-click on the background).
    void startTitleAnimation();
    // The title label's left edge in twips.
    int captionLeftTwips() const { return captionLeft_; }

protected:
    void load() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildControls();
    void openFromHub(const QString& target);
    void openFeedback();
    void minimizeToNotificationArea();
    void minimizeWindow();
    void unloadSelf();
    void setCaptionLeft(int twips);
    void advanceAnimation(const std::shared_ptr<CaptionAnimation>& animation);
    void repairComponentInstallation();
    void onTimer1();
    void onTimer2();

    QPlainTextEdit* quickInfo_ = nullptr;
    QTimer* timer1_ = nullptr;
    QTimer* timer2_ = nullptr;
    int captionLeft_ = 1800;
    bool minimizedWithTaskEntry_ = false;
};

// Registers the main window with the navigator under "Form1".
class Navigator;
void registerMainWindow(Navigator& navigator);

}  // namespace zw::shell
