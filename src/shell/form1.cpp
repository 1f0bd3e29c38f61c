#include "form1.h"

#include "caption_animation.h"
#include "component_repair.h"
#include "fehlerbehandlung.h"
#include "navigator.h"
#include "platform/services.h"
#include "program_folder.h"
#include "public_variables.h"
#include "quick_info.h"
#include "twips.h"
#include "win_dir.h"

#include <QCheckBox>
#include <QEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <array>

namespace zw::shell {
namespace {

namespace pv = zw::modPublicVariables;
using platform::services;

const QString kQuickInfoColour = QStringLiteral("#80FF80");

// The hub buttons: design name, caption, place in twips, the window they open.
struct HubButton {
    const char* name;
    const char* caption;
    int left, top, width, height;
    const char* target;
};
constexpr std::array<HubButton, 6> kHubButtons = {{
    {"cmdSystemTuning", "System Tuning", 960, 1560, 1815, 495, "Regedit"},
    {"cmdTipsUndTricks", "Tips und Tricks", 2880, 1560, 1815, 495, "Tricks"},
    {"cmdXPUtilities", "XP Utilities", 4800, 1560, 1815, 495, "tools"},
    {"cmdInfo", "Info", 960, 2880, 1815, 495, "Info"},
    {"cmdUpdate", "Update", 2880, 2880, 1815, 495, "Update"},
    {"cmdFeedback", "Feedback", 4800, 2880, 1815, 495, "Feedback"},
}};

// The small caption pictures: design name, tooltip, left edge in twips, picture below Data/.
struct SmallPicture {
    const char* name;
    const char* tooltip;
    int left;
    const char* picture;
};
constexpr std::array<SmallPicture, 3> kSmallPictures = {{
    {"cmdInfoKlein", "Info...", 5970, "Pics/Buttons/info.png"},
    {"cmdMinimizeKlein", "Minimieren", 6280, "Pics/Buttons/minimize.png"},
    {"cmdSchließenKlein", "Schließen", 6600, "Pics/Buttons/close.png"},
}};

// The red bold section labels: name, caption, place in twips (sized to their text).
struct SectionLabel {
    const char* name;
    const char* caption;
    int left, top;
};
constexpr std::array<SectionLabel, 3> kSectionLabels = {{
    {"lblOptions", "Options:", 840, 1080},
    {"lblIntern", "Intern:", 840, 2400},
    {"lblQuickInfo", "Quick Info:", 840, 3720},
}};

constexpr const char* kFeedbackNotice =
    "Bitte vergewissern Sie sich, dass Sie mit dem Internet verbunden sind, wenn Sie Ihr Feedback senden möchten!";

}  // namespace

const WindowDesign& Form1::designOf() {
    static const WindowDesign design{
        .name = QStringLiteral("Form1"),
        .widthTwips = 7440,
        .heightTwips = 5880,
        .caption = QStringLiteral("Zunderwerk"),
        .opener = {},
        .whenOpening = LeaveRule::Hide,
        .escCloses = false,  // Form1's own key handling unloads it (windowKeyPress)
        .topmostAtLoad = false,  // set by its own start-up sequence
        .showsOwl = false,
    };
    return design;
}

Form1::Form1() : ToolWindow(designOf()) {
    buildControls();
    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(500);
    connect(timer1_, &QTimer::timeout, this, &Form1::onTimer1);
    timer2_ = new QTimer(this);
    timer2_->setObjectName(QStringLiteral("Timer2"));
    timer2_->setInterval(500);
    connect(timer2_, &QTimer::timeout, this, &Form1::onTimer2);
}

void Form1::buildControls() {
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setWindowIcon(QIcon(dataPath(QStringLiteral("Pics/Icons/zunderwerk.png"))));

    QLabel* image1 = setBackground(QStringLiteral("Pics/Backgrounds/Form1.png"));
    image1->setMouseTracking(true);
    image1->installEventFilter(this);

    auto frame = [this](const char* name, QRect geometry) {
        auto* box = new QPlainTextEdit(this);
        box->setObjectName(QString::fromUtf8(name));
        box->setGeometry(geometry);
        box->setEnabled(false);
        box->setStyleSheet(QStringLiteral("QPlainTextEdit { background: %1; border: 1px solid #3c8c3c; }").arg(kQuickInfoColour));
        return box;
    };
    frame("txtOptions", twipsRect(840, 1440, 5895, 735));
    frame("txtIntern", twipsRect(840, 2760, 5895, 735));

    quickInfo_ = frame("txtQuickInfo", twipsRect(840, 4080, 5895, 735));
    quickInfo_->setEnabled(true);
    quickInfo_->setReadOnly(true);
    quickInfo_->setFocusPolicy(Qt::NoFocus);
    quickInfo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    for (const SectionLabel& entry : kSectionLabels) {
        QLabel* label = addLabel(QString::fromUtf8(entry.name), QString::fromUtf8(entry.caption),
                                 QRect(twipsRect(entry.left, entry.top, 0, 0).topLeft(), QSize()));
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        label->adjustSize();
        label->setStyleSheet(QStringLiteral("color: #FF0000; background: transparent;"));
    }

    addCaption(QStringLiteral("Zunderwerk 2.0"), twipsRect(1800, 120, 3735, 375));

    for (const SmallPicture& entry : kSmallPictures) {
        QPushButton* button = addButton(QString::fromUtf8(entry.name), QString(), twipsRect(entry.left, 120, 270, 270));
        button->setIcon(QIcon(dataPath(QString::fromUtf8(entry.picture))));
        button->setIconSize(button->size());
        button->setFlat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setToolTip(QString::fromUtf8(entry.tooltip));
        button->setStyleSheet(QStringLiteral("QPushButton { border: none; background: transparent; }"));
    }
    connect(findChild<QPushButton*>(QStringLiteral("cmdInfoKlein")), &QPushButton::clicked, this,
            [this] { openFromHub(QStringLiteral("Info")); });
    connect(findChild<QPushButton*>(QStringLiteral("cmdMinimizeKlein")), &QPushButton::clicked, this,
            &Form1::minimizeWindow);
    connect(findChild<QPushButton*>(QStringLiteral("cmdSchließenKlein")), &QPushButton::clicked, this,
            &Form1::unloadSelf);
    if (auto* infoKlein = findChild<QPushButton*>(QStringLiteral("cmdInfoKlein"))) {
        infoKlein->setEnabled(Navigator::current() && Navigator::current()->knows(QStringLiteral("Info")));
    }

    const Navigator* navigator = Navigator::current();
    for (const HubButton& entry : kHubButtons) {
        QPushButton* button = addButton(QString::fromUtf8(entry.name), QString::fromUtf8(entry.caption),
                                        twipsRect(entry.left, entry.top, entry.width, entry.height));
        const QString target = QString::fromUtf8(entry.target);
        // A window that is not part of this build yet cannot be opened.
        button->setEnabled(navigator && navigator->knows(target));
        button->setMouseTracking(true);
        button->installEventFilter(this);
        if (target == QStringLiteral("Feedback")) {
            connect(button, &QPushButton::clicked, this, &Form1::openFeedback);
        } else {
            connect(button, &QPushButton::clicked, this, [this, target] { openFromHub(target); });
        }
    }

    QCheckBox* onTop = addOnTopBox(twipsRect(4800, 3600, 1935, 255), QStringLiteral("Fenster im Vordergrund"));
    onTop->setStyleSheet(QStringLiteral("QCheckBox { background: %1; spacing: 3px; }").arg(kQuickInfoColour));

    QPushButton* close = addButton(QStringLiteral("cmdSchließen"), QStringLiteral("Schließen"),
                                   twipsRect(2160, 5430, 1455, 345));
    connect(close, &QPushButton::clicked, this, &Form1::unloadSelf);
    QPushButton* minimize = addButton(QStringLiteral("cmdMinimieren"), QStringLiteral("Minimieren"),
                                      twipsRect(3840, 5430, 1455, 345));
    minimize->setEnabled(navigator && navigator->knows(QStringLiteral("Minimiert")));
    connect(minimize, &QPushButton::clicked, this, &Form1::minimizeToNotificationArea);
}

void Form1::load() {
    pv::resetForLoad();
    setCaptionLeft(CaptionAnimation::kHomeLeft);
    bool failed = false;
    onTopBox()->setChecked(true);
    switch (services().instance->claim()) {
    case platform::InstanceService::Claim::AnotherRunning:
        requestUnload();  // a second copy ends at once, silently
        return;
    case platform::InstanceService::Claim::Failed:
        failed = true;
        break;
    case platform::InstanceService::Claim::First:
        break;
    }
    // The components the windows create must be registered; a load that finds them missing
    // repairs the installation.
    if (failed || !fetchlingUsable()) repairComponentInstallation();
    timer1_->start();
    timer2_->start();
}

void Form1::repairComponentInstallation() {
    RepairFolders folders{programFolder().toStdString(), WinDir::GetWindowsFolder().toStdString()};
    repairComponents(folders, &Fehlerbehandlung::RegisterComponent);
}

bool Form1::windowKeyPress(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space) {
        // Taken by the window: a focused button is not pressed as well.
        if (!event->isAutoRepeat()) startTitleAnimation();
        return true;
    }
    if (event->key() == Qt::Key_Escape) {
        unloadSelf();
        return true;
    }
    return false;
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        if (watched == background()) {
            quickInfo_->clear();
        } else if (const QuickInfoText* text = quickInfoFor(watched->objectName().toStdString())) {
            quickInfo_->setPlainText(QString::fromUtf8(text->text.data(), static_cast<qsizetype>(text->text.size())));
            quickInfo_->setStyleSheet(QStringLiteral("QPlainTextEdit { background: %1; border: 1px solid #3c8c3c; }")
                                          .arg(kQuickInfoColour));
        }
    } else if (event->type() == QEvent::MouseButtonDblClick && watched == background()) {
        startTitleAnimation();
    }
    return ToolWindow::eventFilter(watched, event);
}

void Form1::openFromHub(const QString& target) {
    if (Navigator* navigator = Navigator::current()) navigator->open(this, target);
}

void Form1::openFeedback() {
    hide();
    // The notice and the window come after this click has ended: the hidden main window may be
    // unloaded while the notice is open.
    QTimer::singleShot(0, Navigator::current(), [] {
        services().dialogs->messageBox(QString::fromUtf8(kFeedbackNotice), QStringLiteral("Important!"),
                                       platform::MsgIcon::Information, platform::MsgButtons::Ok);
        if (Navigator* navigator = Navigator::current()) navigator->show(QStringLiteral("Feedback"));
    });
}

void Form1::minimizeToNotificationArea() {
    Navigator* navigator = Navigator::current();
    if (!navigator) return;
    navigator->load(QStringLiteral("Minimiert"));
    navigator->unload(this);
}

void Form1::minimizeWindow() {
    // A window without a task-bar entry could not be found again once minimised: it gets one
    // while minimised and gives it up when restored.
    minimizedWithTaskEntry_ = true;
    setWindowFlag(Qt::Tool, false);
    setWindowFlag(Qt::Window, true);
    showMinimized();
}

void Form1::changeEvent(QEvent* event) {
    ToolWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && minimizedWithTaskEntry_ && !isMinimized()) {
        minimizedWithTaskEntry_ = false;
        QTimer::singleShot(0, this, [this] { changeWindowFlag(Qt::Tool, true); });
    }
}

void Form1::unloadSelf() {
    if (Navigator* navigator = Navigator::current()) {
        navigator->unload(this);
    } else {
        close();
    }
}

void Form1::setCaptionLeft(int twips) {
    captionLeft_ = twips;
    if (QLabel* caption = captionLabel()) caption->move(twipsToPixels(twips), caption->y());
}

void Form1::startTitleAnimation() {
    pv::OwlFlag = true;
    advanceAnimation(std::make_shared<CaptionAnimation>());
}

void Form1::advanceAnimation(const std::shared_ptr<CaptionAnimation>& animation) {
    const platform::Services& s = services();
    for (;;) {
        const CaptionStep step = animation->next(captionLeft_, isVisible());
        switch (step.kind) {
        case CaptionStep::Kind::Move:
            setCaptionLeft(step.value);
            continue;
        case CaptionStep::Kind::Wait:
            s.clock->singleShot(step.value, this, [this, animation] { advanceAnimation(animation); });
            return;
        case CaptionStep::Kind::Beep:
            // The tone holds the animation for its length, as a blocking beep would.
            s.tones->beep(step.value, step.duration);
            s.clock->singleShot(step.duration, this, [this, animation] { advanceAnimation(animation); });
            return;
        case CaptionStep::Kind::Stopped:
        case CaptionStep::Kind::Done:
            return;
        }
    }
}

void Form1::onTimer1() {
    if (Navigator* navigator = Navigator::current()) navigator->unload(QStringLiteral("Minimiert"));
}

void Form1::onTimer2() {
    if (pv::AnimationStopped) unloadSelf();
}

void registerMainWindow(Navigator& navigator) {
    navigator.add(QStringLiteral("Form1"), [] { return new Form1; });
}

}  // namespace zw::shell
