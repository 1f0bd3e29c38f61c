#pragma once
// The window Feedback: sends a comment through the feedback form of the product web server.
// Its hidden browser keeps the form page loaded (reloaded every 5 seconds); "Absenden" fills
// the page's first form and submits it as a browser would.

#include "form_browser.h"
#include "shell/navigator.h"
#include "shell/tool_window.h"

#include <functional>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace zw::online {

class FeedbackWindow : public shell::ToolWindow {
    Q_OBJECT
public:
    static constexpr int kReloadMs = 5000;

    explicit FeedbackWindow(QWidget* parent = nullptr);

    // Where the machine's own address comes from (tests give a fixed one).
    void setLocalAddressSource(std::function<QString()> source) { localAddress_ = std::move(source); }
    FormBrowser& browser() { return WebBrowser1_; }

protected:
    void load() override;

private:
    void Timer1_Timer();
    void cmdSend_Click();
    void Command2_Click();
    void repairControls();

    QLineEdit* txtName_ = nullptr;
    QLineEdit* txtDate_ = nullptr;   // e-mail
    QLineEdit* txtTime_ = nullptr;   // homepage
    QPlainTextEdit* txtText_ = nullptr;
    QTimer* Timer1_ = nullptr;
    FormBrowser WebBrowser1_;
    std::function<QString()> localAddress_;
};

void registerFeedbackWindow(shell::Navigator& navigator);

} // namespace zw::online
