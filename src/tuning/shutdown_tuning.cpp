#include "tuning/shutdown_tuning.h"

namespace zw {

const ChoiceSetting& killServiceTimeoutSetting()
{
    static const ChoiceSetting setting = [] {
        const Probe timeout{2, "SYSTEM\\ControlSet001\\Control", "WaitToKillServiceTimeout"};
        auto button = [&](const char* name, const char* caption, const char* text) {
            return ChoiceButton{name, caption, setString(timeout, text), textIs(text, ToggleState::Applied)};
        };
        return ChoiceSetting{timeout,
                             {button("Command1", "Standard [20 Sek.]", "20000"),
                              button("Command2", "Optimal [5 Sek.]", "5000"),
                              // "Fastest" stores 1, not 0.
                              button("Command3", "Fastest [0 Sek.]", "1")}};
    }();
    return setting;
}

const RegistryToggle& autoEndTasksToggle()
{
    static const RegistryToggle toggle = [] {
        const Probe autoEnd{1, "Control Panel\\Desktop", "AutoEndTasks"};
        return makeToggle({"reg_shutdownTuning", "Regedit", "Shutdown Tuning",
                           "Shutdown Tuning - Windows schneller herrunterfahren", "Aktivieren", 8520, 8685},
                          autoEnd, {setString(autoEnd, "1")}, {setString(autoEnd, "0")},
                          {textIs("1", ToggleState::Applied), textIs("0", ToggleState::Default)}, std::nullopt, {});
    }();
    return toggle;
}

}  // namespace zw
