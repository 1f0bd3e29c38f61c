#pragma once
// Fixed texts of the feedback window and its message boxes, in UTF-8, and the form page.

#include <string_view>

namespace zw::online::feedback {

inline constexpr std::string_view kFormPath = "/downloads/mytools/feedback/postit.php";
// The form's fields and its submit element, as the page names them.
inline constexpr std::string_view kFieldName = "input_name";
inline constexpr std::string_view kFieldHome = "input_home";
inline constexpr std::string_view kFieldMail = "input_mail";
inline constexpr std::string_view kFieldMessage = "input_message";
inline constexpr std::string_view kSubmitter = "Ok";

inline constexpr std::string_view kCaption = "Feedback";
inline constexpr std::string_view kCaptionLabel = "Feedback Formular";
inline constexpr std::string_view kIntro =
    "Hier haben Sie die Möglichkeit, einen Kommentar zum Zunderwerk abzugeben. Fragen, Bug Report, Kritik, "
    "Erweiterungsvorschläge, oder einfach nur ein kleines Lob... Konstruktive Beiträge sind sehr erwüscht, da sie "
    "zur Funktionalität und Perfektion dieses Programmes beitragen.";
inline constexpr std::string_view kOnlineNotice = "Bitte vergewissern Sie sich, dass Sie mit dem Internet verbunden sind!";
inline constexpr std::string_view kOptional = "* Optional aber erwüscht";

inline constexpr std::string_view kNoName = "Bitte geben Sie einen Namen an!";
inline constexpr std::string_view kNoNameTitle = "No Name...";
inline constexpr std::string_view kNoText = "Na willst du nun einen Kommentar abgeben, oder nicht?!?";
inline constexpr std::string_view kNoTextTitle = "No Text...";
inline constexpr std::string_view kRefusedName = "pelkor";
inline constexpr std::string_view kWrongName =
    "Hmm...Bitte nicht unter einer Falschen Identität sinnlosen Müll Posten!";
inline constexpr std::string_view kWrongNameTitle = "Wrong Name...";
inline constexpr std::string_view kThanks = "Vielen Dank für Ihren Beitrag!";
inline constexpr std::string_view kThanksTitle = "Vielen Dank!";
inline constexpr std::string_view kError =
    "Es ist ein Fehler aufgetreten! Bitte überprüfen Sie ob Sie online sind, und ihre Daten korrekt angegeben wurden!";
inline constexpr std::string_view kErrorTitle = "Error...";
inline constexpr std::string_view kPrivacy =
    "Es werden neben den von Ihnen hier angegebenen Daten nur die IP Adresse der aktuellen Online Sitzung erfasst! "
    "Dies dient zur Vorbeugung böswilliger Kommentare. Zusätzlich ist eine maximale Wortlänge vorgegeben. Ihre "
    "Angaben werden nicht an Dritte weitergerreicht, oder zu öffentlichen Statistiken zusammengefasst. [ Hab ich "
    "etwa schon wieder übertrieben?!? *g* ]";
inline constexpr std::string_view kPrivacyTitle = "Information";

} // namespace zw::online::feedback
