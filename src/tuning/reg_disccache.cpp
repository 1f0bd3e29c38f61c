#include "tuning/reg_disccache.h"

#include "tuning/disc_cache.h"
#include "tuning/choice_buttons.h"
#include "tweak/button_write.h"
#include "tweak/poll_timer.h"
#include "tweak/toggle_writes.h"

#include <QPushButton>

namespace zw::tuning {

namespace {

const shell::WindowDesign kDesign{QStringLiteral("reg_disccache"), 6600, 6570, QStringLiteral("Disc Cache"),
                                  QStringLiteral("Regedit")};

}  // namespace

RegDisccache::RegDisccache() : ToolWindow(kDesign)
{
    setBackground(shell::kToolBackground);
    addCaption(QStringLiteral("Disc Cache anpassen"), twipsRect(1560, 120, 4200, 375));
    shell::centreCaption(*this);
    shell::addProse(this,
             {{QStringLiteral("Label1"),
               QStringLiteral("Die Standardwerte von Windows reichen für maximale Leistung nicht aus. Passen Sie den "
                              "Disc Cache hier an Ihren Rechner an: Wählen Sie dazu die Größe Ihres Arbeitsspeichers.")}},
             600, 840, 5400);
    shell::addDecorativePicture(this, twipsRect(5520, 4080, 600, 600));  // Image2

    shell::addLineFrame(this, QStringLiteral("Label2"), QStringLiteral(" Ihr Arbeitsspeicher in MegaByte:"),
                 QRect(720, 2040, 5160, 1920));
    const ChoiceSetting& setting = discCacheSetting();
    choices_ = shell::addButtonGrid(this, buttonTexts(setting.buttons), QRect(960, 2400, 1455, 375), QPoint(1560, 480), 3);
    for (std::size_t i = 0; i < choices_.size(); ++i)
        connect(choices_[i], &QPushButton::clicked, this,
                [this, i] { writeAndConfirm(*this, [i] { performWrite(discCacheSetting().buttons[i].write); }); });

    auto* close = addButton(QStringLiteral("cmdSchließen"), QStringLiteral("Schließen"), twipsRect(2280, 5640, 2055, 375));
    connect(close, &QPushButton::clicked, this, &ToolWindow::closeWindow);
    addOnTopBox(twipsRect(4800, 5700, 900, 240));
}

void RegDisccache::load()
{
    startPoll(this, QStringLiteral("Timer1"), [this] { showChoice(choices_, pollChoice(discCacheSetting())); });
}

}  // namespace zw::tuning
