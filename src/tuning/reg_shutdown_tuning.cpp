#include "tuning/reg_shutdown_tuning.h"

#include "tuning/shutdown_tuning.h"
#include "tuning/choice_buttons.h"
#include "tweak/button_write.h"
#include "tweak/poll_timer.h"
#include "tweak/state_poll.h"
#include "tweak/toggle_writes.h"

#include <QPushButton>

namespace zw::tuning {

namespace {

const shell::WindowDesign kDesign{QStringLiteral("reg_shutdownTuning"), 8520, 8685, QStringLiteral("Shutdown Tuning"),
                                  QStringLiteral("Regedit")};

std::vector<shell::NamedText> autoEndButtons()
{
    const RegistryToggle& t = autoEndTasksToggle();
    return {{QStringLiteral("Command4"), QString::fromStdString(t.applyCaption)},
            {QStringLiteral("Command5"), QString::fromStdString(t.restoreCaption)}};
}

}  // namespace

RegShutdownTuning::RegShutdownTuning() : ToolWindow(kDesign)
{
    setBackground(shell::kToolBackground);
    addCaption(QStringLiteral("Shutdown Tuning - Windows schneller herrunterfahren"), twipsRect(600, 120, 7320, 375));
    shell::centreCaption(*this);
    shell::addProse(this,
             {{QStringLiteral("Label1"), QStringLiteral("Das Herunterfahren von Windows dauert oft unnötig lange.")},
              {QStringLiteral("Label2"), QStringLiteral("Der Grund: Windows gibt jedem laufenden Dienst 20 Sekunden "
                                                        "Zeit, sich ordnungsgemäß zu beenden, bevor er einfach "
                                                        "hinausgeworfen wird.")},
              {QStringLiteral("Label3"), QStringLiteral("Das ist meistens viel mehr Zeit, als ein Dienst braucht.")},
              {QStringLiteral("Label4"), QStringLiteral("Ändern Sie diese Standardeinstellung, und Windows fährt "
                                                        "spürbar schneller herunter:")}},
             600, 720, 7320, 60);
    shell::addLineFrame(this, QStringLiteral("Label6"), QStringLiteral(" Kill Service Time Out:"), QRect(600, 2640, 7320, 1080));
    const ChoiceSetting& timeout = killServiceTimeoutSetting();
    timeout_ = shell::addButtonGrid(this, buttonTexts(timeout.buttons), QRect(840, 3000, 1935, 375), QPoint(2400, 0), 3);
    for (std::size_t i = 0; i < timeout_.size(); ++i)
        connect(timeout_[i], &QPushButton::clicked, this, [this, i] {
            writeAndConfirm(*this, [i] { performWrite(killServiceTimeoutSetting().buttons[i].write); });
        });

    shell::addProse(this,
             {{QStringLiteral("Label5"), QStringLiteral("Etwas Zeit sparen Sie auch, wenn Sie sämtliche Tasks schnell "
                                                        "und einfach killen lassen:")}},
             600, 4080, 7320);
    shell::addLineFrame(this, QStringLiteral("Label7"), QStringLiteral(" Auto End Tasks:"), QRect(600, 4680, 7320, 1080));
    autoEnd_ = shell::addButtonGrid(this, autoEndButtons(), QRect(960, 5040, 2895, 375), QPoint(3720, 0), 2);
    connect(autoEnd_[0], &QPushButton::clicked, this,
            [this] { writeAndConfirm(*this, [] { performWrites(autoEndTasksToggle().applyWrites); }); });
    connect(autoEnd_[1], &QPushButton::clicked, this,
            [this] { writeAndConfirm(*this, [] { performWrites(autoEndTasksToggle().restoreWrites); }); });

    shell::addDecorativePicture(this, twipsRect(3840, 6120, 840, 840));
    auto* close = addButton(QStringLiteral("Command6"), QStringLiteral("Schließen"), twipsRect(3240, 7680, 2055, 375));
    connect(close, &QPushButton::clicked, this, &ToolWindow::closeWindow);
    addOnTopBox(twipsRect(6720, 7740, 900, 240));
}

void RegShutdownTuning::load()
{
    startPoll(this, QStringLiteral("Timer1"),
              [this] { showChoice(timeout_, pollChoice(killServiceTimeoutSetting())); });
    startPoll(this, QStringLiteral("Timer2"),
              [this] { showChoice(autoEnd_, choiceFromToggle(pollToggle(autoEndTasksToggle()))); });
}

}  // namespace zw::tuning
