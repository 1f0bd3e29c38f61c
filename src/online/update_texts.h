#pragma once
// Fixed texts of the update window and its message boxes, in UTF-8.

#include <string_view>

namespace zw::online::text {

inline constexpr std::string_view kCurrentVersion = "2.0";

inline constexpr std::string_view kWindowCaption = "Update Zunderwerk";
inline constexpr std::string_view kSplash = "Aktuelle Version wird abgefragt...";

inline constexpr std::string_view kNoNewVersion = "Es ist keine neue Version vorhanden!";
inline constexpr std::string_view kNoNewVersionTitle = "Keine neue Version vorhanden";
inline constexpr std::string_view kNewVersionTitle = "Es gibt eine neue Version!";
inline constexpr std::string_view kConnectionError =
    "Es ist ein Fehler aufgetreten. Entweder ist der Updateserver nicht erreichbar, oder es besteht eine "
    "fehlerhafte Internetverbindung!";
inline constexpr std::string_view kConnectionErrorTitle = "Connection Error";
inline constexpr std::string_view kErrorPrefix =
    "Es ist ein Fehler aufgetreten! Dies liegt entweder an einer fehlerhaften Internetverbindung, oder "
    "Serverproblemen. Die aktuelle Version ist ebenfalls im Internet unter ";
inline constexpr std::string_view kErrorSuffix = " erhältlich.";
inline constexpr std::string_view kErrorTitle = "Error...";
// A Windows folder that is a link or someone else's (the text is the folder check's own).
inline constexpr std::string_view kFolderRefusedTitle = "Ordner nicht sicher";

inline constexpr std::string_view kInfoMessageTitle = "Info Message";

inline constexpr std::string_view kNoPlace = "Bitte geben Sie einen korrekten Speicher Ort an!";
inline constexpr std::string_view kNoPlaceTitle = "Kein Speicher Ort angegeben...";
inline constexpr std::string_view kPleaseWait = "Bitte warten Sie während die Dateien geladen werden...";
inline constexpr std::string_view kServerUnreachable = "Server nicht erreichbar!";
inline constexpr std::string_view kBytesOf = " Bytes von ";
inline constexpr std::string_view kFinished = "Download Beendet!";
inline constexpr std::string_view kFinishedBox = "Download Vorgang beendet!";
inline constexpr std::string_view kFinishedBoxTitle = "Download beendet...";
inline constexpr std::string_view kDeleteOldVersion =
    "Sie sollten jetzt die alte Version des Programms komplett löschen. Im neuen Zip Archiv sind alle "
    "benötigten Dateien enthalten!";
inline constexpr std::string_view kDeleteOldVersionTitle = "Information";
inline constexpr std::string_view kTransferFailed =
    "Leider ist bei der Übertragung ein Fehler aufgetreten. Bitte versuchen Sie es erneut!";
inline constexpr std::string_view kTransferFailedTitle = "Fehler...";
inline constexpr std::string_view kAbortQuestion = "Wollen Sie den Download wirklich abbrechen?";
inline constexpr std::string_view kAbortQuestionTitle = "Abbrechen?!?";
inline constexpr std::string_view kAborted = "Download abgebrochen...";
inline constexpr std::string_view kTimeout =
    "Die Übertragung kann nicht beendet werden. Dies könnte an Serverproblemen liegen, oder an lokalen "
    "Fehlkonfigurationen. Bitte überprüfen Sie Ihre Internetverbindung, sowie Ihre Firewallkonfiguration.";
inline constexpr std::string_view kTimeoutTitle = "Fehler bei der Übertragung!";

inline constexpr std::string_view kZipFilter = "Zip Datei (*.zip)|*.zip|";

} // namespace zw::online::text
