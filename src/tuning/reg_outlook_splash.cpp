#include "tuning/reg_outlook_splash.h"

#include "platform/services.h"
#include "tuning/mail_identity.h"
#include "tuning/choice_buttons.h"
#include "tweak/button_write.h"
#include "tweak/poll_timer.h"
#include "tweak/write_outcome.h"

#include <QLabel>
#include <QPushButton>

namespace zw::tuning {

namespace {

const shell::WindowDesign kDesign{QStringLiteral("reg_OutlookSplash"), 6375, 4455,
                                  QStringLiteral("Outlook Express: Schnellerer Start"), QStringLiteral("Regedit")};

const QString kNoIdentityLine =
    QStringLiteral("Keine Outlook Express Identität gefunden - es wird nichts geändert.");
const QString kNoIdentityMessage =
    QStringLiteral("Für Ihr Benutzerkonto ist keine Outlook Express Identität eingerichtet.\n\n"
                   "Starten Sie Outlook Express einmal, damit es seine Identität anlegt. Es wurde nichts geändert.");

}  // namespace

RegOutlookSplash::RegOutlookSplash() : ToolWindow(kDesign)
{
    const RegistryToggle record = outlookSplashToggle({});
    setBackground(shell::kToolBackground);
    addCaption(QString::fromStdString(record.title), twipsRect(480, 120, 5400, 375));
    shell::centreCaption(*this);
    shell::addProse(this, {{QStringLiteral("Label1"), QString::fromStdString(record.labels.front())}}, 480, 840, 3360);
    buttons_ = shell::addButtonGrid(this,
                             {{QStringLiteral("Command1"), QString::fromStdString(record.applyCaption)},
                              {QStringLiteral("Command2"), QString::fromStdString(record.restoreCaption)}},
                             QRect(4080, 960, 1575, 375), QPoint(0, 480), 1);
    connect(buttons_[0], &QPushButton::clicked, this, [this] { write(true); });
    connect(buttons_[1], &QPushButton::clicked, this, [this] { write(false); });

    noIdentity_ = addLabel(QStringLiteral("lblIdentity"), kNoIdentityLine, twipsRect(480, 2040, 5400, 480));
    noIdentity_->setWordWrap(true);
    noIdentity_->setStyleSheet(QStringLiteral("color: #800000; background: transparent;"));
    noIdentity_->hide();

    shell::addDecorativePicture(this, twipsRect(480, 2640, 720, 720));
    auto* close = addButton(QStringLiteral("Command3"), QStringLiteral("Schließen"), twipsRect(2160, 3720, 2055, 375));
    connect(close, &QPushButton::clicked, this, &ToolWindow::closeWindow);
    addOnTopBox(twipsRect(4800, 3780, 900, 240));
}

void RegOutlookSplash::load()
{
    startPoll(this, QStringLiteral("Timer1"), [this] {
        const SplashPoll poll = pollOutlookSplash();
        noIdentity_->setVisible(!poll.identityFound);
        showChoice(buttons_, choiceFromToggle(poll.outcome));
    });
}

void RegOutlookSplash::write(bool apply)
{
    // Without an identity the key path would hold an empty key name: nothing is written and
    // the success message would be untrue, so the user learns why instead.
    if (lastIdentity().empty()) {
        leaveTopmost(*this);
        platform::services().dialogs->messageBox(kNoIdentityMessage, platform::kProgramTitle,
                                                 platform::MsgIcon::Exclamation);
        return;
    }
    writeAndConfirm(*this, [apply] {
        // The identity may have gone since the check above: then nothing was written.
        if (!writeOutlookSplash(apply))
            Registry::WriteOutcome::noteFailure();
    });
}

}  // namespace zw::tuning
