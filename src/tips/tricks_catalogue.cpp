#include "tips/tricks_catalogue.h"

namespace zw {

namespace {

constexpr auto L = CatalogueEntry::Column::Left;
constexpr auto R = CatalogueEntry::Column::Right;
constexpr bool locked = true;
constexpr bool open = false;

CatalogueDesign build()
{
    CatalogueDesign d;
    d.name = "Tricks";
    d.caption = "Tips und Tricks";
    d.title = "Tips und Tricks";
    d.widthTwips = 10920;
    d.heightTwips = 9885;
    d.titleLeft = 4320;
    d.boxWidth = 3375;
    d.buttonWidth = 975;
    d.leftBoxX = 840;
    d.leftButtonX = 4320;
    d.rightBoxX = 5640;
    d.rightButtonX = 9120;
    d.closeButton = "Command1";
    d.close = {4080, 9200, 2655, 495};
    d.onTopLeft = 6960;
    d.onTopTop = 9300;
    d.owlLeft = 3360;
    d.owlTop = 9160;
    // row, column, title box, title, button, opens, title box locked
    d.entries = {
        {1, L, "Text1", "Versteckte Systemprogramme deinstallieren...", "Command2", "tricks_systemprogramme", locked},
        {2, L, "Text2", "Internetverbindung mit einem Klick trennen...", "Command3", "tricks_verbindungtrennen", locked},
        {3, L, "Text3", "Timeout von Programmen ändern...", "Command4", "tricks_timeout", locked},
        {4, L, "Text4", "Send To...", "Command5", "tricks_sendto", locked},
        {5, L, "Text5", "Ruhezustand aktivieren...", "Command6", "tricks_ruhezustand", locked},
        {6, L, "Text6", "Boot ohne Bootscreen...", "Command7", "tricks_keinbootscreen", open},
        {7, L, "Text7", "Optimale Größe der Auslagerungsdatei...", "Command8", "reg_auslagerungsdatei2", open},
        {8, L, "Text8", "Keine automatische Suche nach Freigaben...", "Command9", "tricks_keineSucheNachFreigaben", open},
        {9, L, "Text9", "Sicherheitslücke: Administrator Passwort...", "Command10", "tricks_AdminPasswort", open},
        {10, L, "Text10", "Automatische Updates deaktivieren...", "Command11", "tricks_AutoUpdate", open},
        {11, L, "Text11", "Spyware \"Alexa\" ausschalten...", "Command12", "tricks_alexa", open},
        {12, L, "Text12", "Microsoft Messenger deinstallieren...", "Command13", "tricks_messenger", open},
        {13, L, "Text13", "Dateianzeige: Mehr Sicherheit...", "Command14", "tricks_DateiAnzeige", open},
        {14, L, "Text14", "IE: Das Layout mit Bildern anpassen...", "Command15", "tricks_IELayout", open},
        {1, R, "Text15", "Rechner sperren mit einem Klick...", "Command16", "tricks_rechnersperren", locked},
        {2, R, "Text16", "Sicherheitsloch \"Index.dat\"...", "Command17", "tricks_indexdat", locked},
        {3, R, "Text17", "Persönliche Nachricht beim Booten...", "Command18", "tricks_bootnachricht", locked},
        {4, R, "Text18", "Index Server deaktivieren...", "Command19", "tricks_indexserver", locked},
        {5, R, "Text19", "Boot ohne Autostart Gruppe...", "Command20", "tricks_keinautostart", locked},
        {6, R, "Text20", "Teile der Anzeigeeigenschaften sperren...", "Command21", "tricks_anzeigeeigenschaften", open},
        {7, R, "Text21", "Überschrift des Internet Explorers ändern...", "Command22", "tricks_InternetExplorer", open},
        {8, R, "Text22", "Laufwerke verstecken...", "Command23", "tricks_laufwerkeverstecken", open},
        {9, R, "Text23", "Teile der Systemsteuerung ausblenden...", "Command24", "tricks_SystemsteuerungKontrollieren", open},
        {10, R, "Text24", "Systemwiederherstellung eventuell abschalten", "Command25", "tricks_SystemWiederherstellung", open},
        {11, R, "Text25", "Remote Unterstützung deaktivieren...", "Command26", "tricks_RemoteUnterstützung", open},
        {12, R, "Text26", "Media Player + Internetzeit konfigurieren...", "Command27", "tricks_mediaplayer", open},
        {13, R, "Text27", "Nachrichtendienst deaktivieren...", "Command28", "tricks_netsend", open},
        {14, R, "Text28", "IE: Bilder nicht automatisch verkleinern....", "Command29", "tricks_AutoImageResize", open},
        {15, R, "Text29", "IE: Liste der gesperrten Cookies...", "Command30", "tricks_CookieList", open},
    };
    return d;
}

}  // namespace

const CatalogueDesign& tricksCatalogue()
{
    static const CatalogueDesign design = build();
    return design;
}

}  // namespace zw
