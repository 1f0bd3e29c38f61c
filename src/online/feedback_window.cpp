#include "feedback_window.h"

#include "feedback_rules.h"
#include "feedback_texts.h"
#include "local_address.h"
#include "read_file.h"
#include "server_address.h"

#include "platform/services.h"
#include "shell/component_repair.h"
#include "shell/fehlerbehandlung.h"
#include "shell/navigator.h"
#include "shell/program_folder.h"
#include "shell/win_dir.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <exception>

namespace zw::online {

namespace {

using platform::MsgIcon;
using platform::services;

QString q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

void box(std::string_view text, std::string_view title, MsgIcon icon)
{
    services().dialogs->messageBox(q(text), q(title), icon);
}

const shell::WindowDesign kDesign{
    QStringLiteral("Feedback"), 8415, 8940, q(feedback::kCaption), QStringLiteral("Form1"),
    shell::LeaveRule::Stay, true, true, true};

QFrame* line(QWidget* parent, QRect geometry)
{
    auto* l = new QFrame(parent);
    l->setFrameShape(QFrame::HLine);
    l->setStyleSheet(QStringLiteral("color: white; background: white;"));
    l->setGeometry(geometry);
    return l;
}

} // namespace

FeedbackWindow::FeedbackWindow(QWidget* parent) : ToolWindow(kDesign, parent), localAddress_(&localIPv4Address)
{
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setBackground(QStringLiteral("Pics/Backgrounds/Feedback.png"));
    addCaption(q(feedback::kCaptionLabel), twipsRect(240, 120, 5400, 375));
    setStyleSheet(QStringLiteral("QLabel { color: white; } QCheckBox { color: white; }"));

    QLabel* intro = addLabel(QStringLiteral("Label1"), q(feedback::kIntro), twipsRect(360, 720, 7695, 1095));
    intro->setWordWrap(true);
    line(this, twipsRect(360, 1920, 7695, 15));
    QLabel* notice = addLabel(QStringLiteral("Label2"), q(feedback::kOnlineNotice), twipsRect(360, 2010, 7695, 255));
    notice->setAlignment(Qt::AlignCenter);
    line(this, twipsRect(360, 2340, 7695, 15));

    addLabel(QStringLiteral("Label3"), QStringLiteral("Name:"), twipsRect(360, 2520, 1935, 255));
    txtName_ = new QLineEdit(this);
    txtName_->setObjectName(QStringLiteral("txtName"));
    txtName_->setGeometry(twipsRect(360, 2790, 3735, 315));
    addLabel(QStringLiteral("Label4"), QStringLiteral("E-Mail: *"), twipsRect(4320, 2520, 1935, 255));
    txtDate_ = new QLineEdit(this);
    txtDate_->setObjectName(QStringLiteral("txtDate"));
    txtDate_->setGeometry(twipsRect(4320, 2790, 3735, 315));
    addLabel(QStringLiteral("Label5"), QStringLiteral("Homepage: *"), twipsRect(360, 3240, 1935, 255));
    txtTime_ = new QLineEdit(this);
    txtTime_->setObjectName(QStringLiteral("txtTime"));
    txtTime_->setGeometry(twipsRect(360, 3510, 7695, 315));
    addLabel(QStringLiteral("Label6"), QStringLiteral("Nachricht:"), twipsRect(360, 3960, 1935, 255));
    txtText_ = new QPlainTextEdit(this);
    txtText_->setObjectName(QStringLiteral("txtText"));
    txtText_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtText_->setGeometry(twipsRect(360, 4230, 7695, 2895));

    QPushButton* send = addButton(QStringLiteral("cmdSend"), QStringLiteral("Absenden"), twipsRect(360, 7320, 1815, 435));
    // "s" in the symbol font Marlett is a question mark; where that font is missing, the mark itself.
    const bool marlett = QFontDatabase::families().contains(QStringLiteral("Marlett"));
    QPushButton* privacy = addButton(QStringLiteral("Command2"), marlett ? QStringLiteral("s") : QStringLiteral("?"),
                                     twipsRect(2280, 7320, 435, 435));
    if (marlett) {
        privacy->setFont(QFont(QStringLiteral("Marlett")));
    }
    addLabel(QStringLiteral("Label7"), q(feedback::kOptional), twipsRect(2880, 7410, 2895, 255));
    QPushButton* close = addButton(QStringLiteral("Command1"), QStringLiteral("Schließen"), twipsRect(6240, 7320, 1815, 435));
    addOnTopBox(twipsRect(360, 8040, 1215, 255));
    addOwl(3960, 8160);

    auto* minimize = new QLabel(this);
    minimize->setObjectName(QStringLiteral("cmdMinimizeKlein"));
    minimize->setToolTip(QStringLiteral("Minimieren"));
    minimize->setGeometry(twipsRect(7500, 120, 270, 270));
    minimize->setPixmap(QPixmap(shell::dataPath(QStringLiteral("Pics/Buttons/minimize.png"))));
    minimize->setScaledContents(true);

    Timer1_ = new QTimer(this);
    Timer1_->setObjectName(QStringLiteral("Timer1"));
    Timer1_->setInterval(kReloadMs);
    WebBrowser1_.setObjectName(QStringLiteral("WebBrowser1"));

    connect(send, &QPushButton::clicked, this, &FeedbackWindow::cmdSend_Click);
    connect(privacy, &QPushButton::clicked, this, &FeedbackWindow::Command2_Click);
    connect(close, &QPushButton::clicked, this, &ToolWindow::closeWindow);
    connect(Timer1_, &QTimer::timeout, this, &FeedbackWindow::Timer1_Timer);
}

void FeedbackWindow::load()
{
    // A load step that fails falls back to registering the control files again, as the
    // window has always done; it reports nothing.
    try {
        Timer1_->start();
    } catch (const std::exception&) {
        repairControls();
    }
}

void FeedbackWindow::repairControls()
{
    const shell::RepairFolders folders{services().folders->programFolder().toStdString(),
                                       WinDir::GetWindowsFolder().toStdString()};
    shell::repairComponents(folders, &Fehlerbehandlung::RegisterComponent, false);
}

void FeedbackWindow::Timer1_Timer()
{
    // A reload would cut a submission short: it waits for the next tick.
    if (WebBrowser1_.submitting()) {
        return;
    }
    WebBrowser1_.navigate(QUrl(QString::fromStdString(serverUrl(productServer(), feedback::kFormPath))));
}

void FeedbackWindow::cmdSend_Click()
{
    const std::string name = txtName_->text().toStdString();
    const std::string text = txtText_->toPlainText().toStdString();
    if (const auto refusal = checkFeedback(name, text)) {
        box(refusal->text, refusal->title, MsgIcon::Information);
        return;
    }
    const std::string message = messageWithAddress(text, localAddress_().toStdString());
    const auto fields = feedbackFields(name, txtDate_->text().toStdString(), txtTime_->text().toStdString(), message);
    const QString error = WebBrowser1_.submitFirstForm(fields, std::string(feedback::kSubmitter));
    if (!error.isEmpty()) {
        box(feedback::kError, feedback::kErrorTitle, MsgIcon::Information);
        return;
    }
    services().tones->beep(1000, 200);
    Wait(1000);
    box(feedback::kThanks, feedback::kThanksTitle, MsgIcon::None);
}

void FeedbackWindow::Command2_Click()
{
    onTopBox()->setChecked(false);
    box(feedback::kPrivacy, feedback::kPrivacyTitle, MsgIcon::Information);
}

void registerFeedbackWindow(shell::Navigator& navigator)
{
    navigator.add(QStringLiteral("Feedback"), [] { return new FeedbackWindow; });
}

} // namespace zw::online
