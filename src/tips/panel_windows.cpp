#include "tips/panel_windows.h"

#include "shell/qt_text.h"
#include "tips/control_panel_parts.h"
#include "tips/display_page_locks.h"
#include "tweak/button_write.h"
#include "tweak/toggle_writes.h"

#include <QPushButton>

namespace zw::tips {

namespace {

// Clears "On Top", performs the writes in order, shows the outcome message once.
void connectWrites(TipWindow* window, QPushButton* button, std::vector<RegistryWrite> writes)
{
    QObject::connect(button, &QPushButton::clicked, window,
                     [window, writes = std::move(writes)] { writeAndConfirm(*window, [&] { performWrites(writes); }); });
}

}  // namespace

TricksSystemsteuerungKontrollieren::TricksSystemsteuerungKontrollieren()
    : TipWindow("tricks_SystemsteuerungKontrollieren", 11175, 10110, QStringLiteral("Systemsteuerung kontrollieren"))
{
    addFrameTitle(QStringLiteral("Teile der Systemsteuerung ausblenden"), QRect(2400, 120, 6600, 375));
    addProse(QStringLiteral("Label1"),
             QStringLiteral("Die Systemsteuerung ist eine der wichtigsten Ecken von Windows: von hier aus wird das "
                            "ganze System gesteuert."),
             QRect(600, 840, 9960, 600));
    addProse(QStringLiteral("Label2"),
             QStringLiteral("Arbeiten noch andere Personen unter eigenem Benutzernamen an diesem Computer, können Sie "
                            "einzelne Teile der Systemsteuerung ausblenden, damit Ihre Einstellungen unangetastet "
                            "bleiben. Behalten Sie die Kontrolle über Ihren Computer!"),
             QRect(600, 1560, 9960, 840));
    addGroup(QStringLiteral("Frame1"), QStringLiteral(" Verstecken:"), QRect(840, 2640, 4680, 5880));
    addGroup(QStringLiteral("Frame2"), QStringLiteral(" Anzeigen:"), QRect(5520, 2640, 4680, 5880));

    const auto& parts = controlPanelParts();
    for (int n = 1; n <= kPanelPartsWithButtons; ++n) {
        const ControlPanelPart& part = parts[static_cast<std::size_t>(n - 1)];
        const int column = (n - 1) / 10;
        const int top = 3000 + 480 * ((n - 1) % 10);
        auto* hide = addButtonAt(QStringLiteral("Command%1").arg(n), shell::toQString(part.caption), QRect(1080 + 2160 * column, top, 2055, 375));
        connectWrites(this, hide, hidePartWrites(part));
        auto* show = addButtonAt(QStringLiteral("Command%1").arg(21 + n), shell::toQString(part.caption),
                                 QRect(5760 + 2160 * column, top, 2055, 375));
        connectWrites(this, show, showPartWrites(part));
    }
    connectWrites(this, addButtonAt(QStringLiteral("Command21"), QStringLiteral("Gesamte Systemsteuerung Verstecken"),
                                    QRect(1080, 7800, 4215, 495)),
                  hideAllWrites());
    connectWrites(this, addButtonAt(QStringLiteral("Command42"), QStringLiteral("Gesamte Systemsteuerung Anzeigen"),
                                    QRect(5760, 7800, 4215, 495)),
                  showAllWrites());
    addCloseAndOnTop(QStringLiteral("Command43"), QRect(4200, 9000, 2775, 495), QPoint(8400, 9120));
}

TricksAnzeigeeigenschaften::TricksAnzeigeeigenschaften()
    : TipWindow("tricks_anzeigeeigenschaften", 7575, 9180, QStringLiteral("Anzeigeeigenschaften"))
{
    addFrameTitle(QStringLiteral("Teile der Anzeigeeigenschaften sperren"), QRect(600, 120, 6375, 375));
    addProse(QStringLiteral("Label1"),
             QStringLiteral("Mit einem Rechtsklick auf den Desktop erreichen Sie die Anzeigeeigenschaften: Designs, "
                            "Desktop, Bildschirmschoner und die Einstellungen der Grafikkarte."),
             QRect(600, 840, 6360, 1080));
    addProse(QStringLiteral("Label2"),
             QStringLiteral("Damit andere Benutzer dieses Computers Ihre Einstellungen in Ruhe lassen, können Sie hier "
                            "einzelne Teile oder die ganze Option \"Anzeige\" abschalten."),
             QRect(600, 2040, 6360, 1080));
    addGroup(QStringLiteral("Frame1"), QStringLiteral(" Deaktivieren:"), QRect(960, 3480, 2535, 3240));
    addGroup(QStringLiteral("Frame2"), QStringLiteral(" Aktivieren:"), QRect(3960, 3480, 2535, 3240));
    int top = 3840;
    for (const DisplayPageLock& row : displayPageLocks()) {
        connectWrites(this, addButtonAt(shell::toQString(row.lockButton), shell::toQString(row.page), QRect(1200, top, 2055, 375)),
                      {displayLockWrite(row, true)});
        connectWrites(this, addButtonAt(shell::toQString(row.unlockButton), shell::toQString(row.page), QRect(4200, top, 2055, 375)),
                      {displayLockWrite(row, false)});
        top += 600;
    }
    addCloseAndOnTop(QStringLiteral("Command11"), QRect(2460, 7800, 2655, 495), QPoint(5880, 8400));
}

}  // namespace zw::tips
