#include "tips/option_boxes.h"

namespace zw {

namespace {

constexpr auto Applied = ToggleState::Applied;  // ticked
constexpr auto Default = ToggleState::Default;  // cleared

const std::string kMediaPreferences = "Software\\Microsoft\\MediaPlayer\\Preferences";
const std::string kExplorerAdvanced = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";

// A media player privacy option: one byte 00 when ticked, 01 when cleared; the number 0 ticks it.
OptionBox mediaOption(std::string name, std::string caption, std::uint32_t background, std::string value)
{
    Probe at{1, kMediaPreferences, std::move(value)};
    return {std::move(name), std::move(caption), background, at,
            setBinary(at.hive, at.key, at.value, std::string(1, '\x00')),
            setBinary(at.hive, at.key, at.value, std::string(1, '\x01')),
            {numberIs(0, Applied)}, Default};
}

OptionWindowDesign buildMediaPlayer()
{
    Probe time{2, "SYSTEM\\CurrentControlSet\\Services\\W32Time\\Parameters", "Type"};
    OptionWindowDesign d;
    d.name = "tricks_mediaplayer";
    d.caption = "Media Player + Internetzeit";
    d.title = "Media Player + Internetzeit konfigurieren";
    d.widthTwips = 6990;
    d.heightTwips = 6120;
    d.labels = {"Wer nicht möchte, dass der Hersteller erfährt, welche Filme er sieht und welche Musik er hört, und "
                "den Datenverkehr dorthin unterbinden will, kann hier weitere Funktionen abschalten:"};
    d.firstBoxTop = 2040;
    d.boxes = {
        mediaOption("Check2", "Codecs NICHT automatisch downloaden !", 0xC0C0C0, "UpgradeCodecPrompt"),
        mediaOption("Check3", "Identifikation des Players durch Internetsites VERBIETEN !", 0xE0E0E0, "SendUserGUID"),
        mediaOption("Check4", "Lizenzen NICHT automatisch erwerben !", 0xFFFFFF, "SilentAcquisition"),
        mediaOption("Check5", "Player NICHT auf Medienseite starten !", 0xE0E0E0, "StartInMediaGuide"),
        {"Check6", "Zeit NICHT automatisch mit einem Internet Server synchronisieren !", 0xC0C0C0, time,
         setString(time, "NoSync"), setString(time, "Ntp"), {textIs("NoSync", Applied)}, Default},
    };
    return d;
}

OptionWindowDesign buildFileDisplay()
{
    Probe ext{1, kExplorerAdvanced, "HideFileExt"};
    Probe hidden{1, kExplorerAdvanced, "Hidden"};
    OptionWindowDesign d;
    d.name = "tricks_DateiAnzeige";
    d.caption = "Dateianzeige: Mehr Sicherheit";
    d.title = "Dateianzeige: Mehr Sicherheit";
    d.widthTwips = 6990;
    d.heightTwips = 7005;
    d.labels = {"Viren nutzen aus, dass Windows die Endungen bekannter Dateitypen versteckt: eine Datei "
                "\"Readme.txt.exe\" mit gefälschtem Symbol erscheint als \"Readme.txt\", und wer sie öffnet, startet "
                "unbemerkt schädlichen Code.",
                "Auch versteckte Dateien sollten Sie immer anzeigen lassen, damit Sie wissen, was ein Programm oder "
                "Windows selbst mitbringt.",
                "Stellen Sie also hier die Optionen richtig ein:"};
    d.firstBoxTop = 4200;
    d.boxes = {
        {"Check2", "Dateiendungen anzeigen !", 0xC0C0C0, ext, setDword(ext, 0), setDword(ext, 1),
         {numberIs(0, Applied)}, Default},
        {"Check3", "Versteckte Dateien anzeigen !", 0xC0C0C0, hidden, setDword(hidden, 1), setDword(hidden, 0),
         {numberIs(0, Default)}, Applied},
    };
    return d;
}

}  // namespace

const OptionWindowDesign& mediaPlayerOptions()
{
    static const OptionWindowDesign design = buildMediaPlayer();
    return design;
}

const OptionWindowDesign& fileDisplayOptions()
{
    static const OptionWindowDesign design = buildFileDisplay();
    return design;
}

std::vector<bool> pollOptionBoxes(const std::vector<OptionBox>& boxes)
{
    std::vector<bool> states;
    for (const OptionBox& box : boxes) {
        const PollOutcome outcome =
            decideState(Registry::GetValueText(box.value.hive, box.value.key, box.value.value), box.rule, box.otherwise);
        if (outcome.kind != PollOutcome::Kind::Show)
            break;  // a failed Number reading ends the tick; every rule here has an otherwise state
        states.push_back(outcome.state == ToggleState::Applied);
    }
    return states;
}

const RegistryWrite& optionWrite(const OptionBox& box, bool ticked)
{
    return ticked ? box.tickedWrite : box.clearedWrite;
}

}  // namespace zw
