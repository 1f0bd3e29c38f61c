// The data that drives a toggle window: which value decides the state, which writes the
// Apply and Restore buttons perform, the rule that maps the value to a state, and the texts
// the window shows. Plain C++, no Qt.
#pragma once

#include "tweak/registry.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zw {

// What the buttons show: Applied = the tweak is in force (Apply disabled, Restore enabled),
// Default = the system default is in force (Apply enabled, Restore disabled).
enum class ToggleState { Applied, Default };

const char* toggleStateName(ToggleState state);

// One registry change, performed by the Registry operation of the same name.
struct RegistryWrite {
    enum class Operation { SetString, SetDword, SetBinary, DeleteValue, DeleteKey };

    HiveCode hive = 0;
    std::string key;
    std::string value;       // empty = the key's default value; unused by DeleteKey
    Operation operation = Operation::SetString;
    std::string text;        // SetString: the text; SetBinary: the bytes
    std::int32_t number = 0; // SetDword: 0 ... 2147483647
};

// The value whose text decides the state.
struct Probe {
    HiveCode hive = 0;
    std::string key;
    std::string value;
};

RegistryWrite setString(HiveCode hive, std::string key, std::string value, std::string text);
RegistryWrite setDword(HiveCode hive, std::string key, std::string value, std::int32_t number);
RegistryWrite setBinary(HiveCode hive, std::string key, std::string value, std::string bytes);
RegistryWrite deleteValue(HiveCode hive, std::string key, std::string value);
RegistryWrite deleteKey(HiveCode hive, std::string key);
// The same operations on the probe's own value (DeleteKey: on the probe's key).
RegistryWrite setString(const Probe& at, std::string text);
RegistryWrite setDword(const Probe& at, std::int32_t number);
RegistryWrite deleteValue(const Probe& at);
RegistryWrite deleteKey(const Probe& at);

// One comparison of a rule. Number compares the probed text read as a number; Text compares
// the whole text exactly, letter case included (the empty text matches a missing value).
struct StateMatch {
    enum class Kind { Number, Text };

    Kind kind = Kind::Text;
    double number = 0;
    std::string text;
    ToggleState state = ToggleState::Default;
};

StateMatch numberIs(double number, ToggleState state);
StateMatch textIs(std::string text, ToggleState state);

// Everything one toggle window needs. A record without a probe has no poll (both buttons
// stay enabled); a record without restore writes has no Restore button.
struct RegistryToggle {
    std::string name;    // the window's design name, e.g. "reg_balloontips"
    std::string opener;  // the catalogue that Close shows again: "Regedit" or "Tricks"

    std::string caption;       // window caption (not visible on a borderless window)
    std::string title;         // lblCaption
    std::string applyCaption;  // Command1
    std::string restoreCaption = "Wiederherstellen";  // Command2
    int widthTwips = 0;
    int heightTwips = 0;

    std::vector<std::string> labels;  // explanatory prose above the buttons
    std::string buttonFrame;          // title of a frame drawn around the buttons, or empty
    std::string notice;               // a line below the buttons, or empty
    bool decorativePicture = false;   // Image2 beside the buttons

    std::optional<Probe> probe;
    std::vector<RegistryWrite> applyWrites;
    std::vector<RegistryWrite> restoreWrites;
    std::vector<StateMatch> rule;
    std::optional<ToggleState> otherwise;  // none: buttons stay as they are when nothing matched

    bool polls() const { return probe.has_value() && !rule.empty(); }
    bool hasRestore() const { return !restoreWrites.empty(); }
};

// The fixed texts and size of one toggle window, for writing records as table rows.
struct ToggleWindowTexts {
    std::string name;
    std::string opener;
    std::string caption;
    std::string title;
    std::string applyCaption;
    int widthTwips = 0;
    int heightTwips = 0;
};

RegistryToggle makeToggle(ToggleWindowTexts texts, std::optional<Probe> probe, std::vector<RegistryWrite> applyWrites,
                          std::vector<RegistryWrite> restoreWrites, std::vector<StateMatch> rule,
                          std::optional<ToggleState> otherwise, std::vector<std::string> labels);

// The record named `name` in `records`, or null.
const RegistryToggle* findToggle(const std::vector<RegistryToggle>& records, std::string_view name);

}  // namespace zw
