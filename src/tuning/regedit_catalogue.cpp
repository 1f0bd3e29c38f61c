#include "tuning/regedit_catalogue.h"

namespace zw {

namespace {

constexpr auto L = CatalogueEntry::Column::Left;
constexpr auto R = CatalogueEntry::Column::Right;
constexpr bool locked = true;
constexpr bool open = false;

CatalogueDesign build()
{
    CatalogueDesign d;
    d.name = "Regedit";
    d.caption = "Registry Tuning";
    d.title = "Registry Tuning";
    d.widthTwips = 9960;
    d.heightTwips = 7890;
    d.titleLeft = 3960;
    d.boxWidth = 3135;
    d.buttonWidth = 855;
    d.leftBoxX = 720;
    d.leftButtonX = 3960;
    d.rightBoxX = 5160;
    d.rightButtonX = 8400;
    d.closeButton = "Command13";
    d.close = {3600, 7245, 2655, 495};
    d.onTopLeft = 6480;
    d.onTopTop = 7365;
    d.owlLeft = 2160;
    d.owlTop = 7200;
    // row, column, title box, title, button, opens, title box locked
    d.entries = {
        {1, L, "Text1", "Disc Cache anpassen...", "Command1", "reg_disccache", locked},
        {1, R, "Text7", "Klassische Suche aktivieren...", "Command7", "reg_klassischesuche", locked},
        {2, L, "Text2", "Balloontips deaktivieren...", "Command2", "reg_balloontips", locked},
        {2, R, "Text8", "Meldung über wenig Space deaktivieren...", "Command8", "reg_wenigspace", locked},
        {3, L, "Text3", "Allgemeine Cach Optimierung...", "Command3", "reg_cacheoptimierung", locked},
        {3, R, "Text9", "Startdateien defragmentieren...", "Command9", "reg_startdateien", locked},
        {4, L, "Text4", "dll's aus dem Speicher entladen...", "Command4", "reg_dlls", locked},
        {4, R, "Text10", "Windows Script Host deaktivieren...", "Command10", "reg_wsh", locked},
        {5, L, "Text5", "Keine Fehlerberichterstattung mehr...", "Command5", "reg_keinFehlerbericht", locked},
        {5, R, "Text11", "XP Bildbetrachter deinstallieren...", "Command11", "reg_bildbetrachter", locked},
        {6, L, "Text6", "\"Gemeinsame Dokumente\" entfernen...", "Command6", "reg_gemeinsamedokumente", locked},
        {6, R, "Text12", "XP's ZIP Funktion ausschalten...", "Command12", "reg_zipfunktion", locked},
        {7, L, "Text14", "Arbeitsspeicher defragmentieren...", "Command15", "reg_RAMdefragmentieren", open},
        {7, R, "Text13", "CD-ROM Autostart Funktion deaktivieren...", "Command14", "reg_keincdromautostart", open},
        {8, L, "Text17", "MFT bei NTFS System vergrößern...", "Command18", "reg_MFT", open},
        {8, R, "Text16", "XP's Brenn Funktion ausschalten...", "Command17", "reg_brennfunktion", open},
        {9, L, "Text15", "Shutdown Tuning...", "Command16", "reg_shutdownTuning", open},
        {9, R, "Text18", "Menü Geschwindigkeiten erhöhen...", "Command19", "reg_Menügeschwindigkeit", open},
        {10, L, "Text19", "IE: Schneller surfen und mehr Downloads...", "Command20", "reg_MaxConnections", open},
        {10, R, "Text20", "Outlook Express: Schnellerer Start...", "Command21", "reg_OutlookSplash", open},
        {11, L, "Text21", "Shutdown Probleme...", "Command22", "reg_shutdownProblem", open},
    };
    return d;
}

}  // namespace

const CatalogueDesign& regeditCatalogue()
{
    static const CatalogueDesign design = build();
    return design;
}

}  // namespace zw
