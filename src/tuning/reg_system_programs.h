// reg_zipfunktion (ZIP folders off and on through the registration tool) and
// reg_auslagerungsdatei2 (advice on the page file with a link to the system properties).
#pragma once

#include "shell/tool_window.h"

namespace zw::tuning {

class RegZipfunktion final : public shell::ToolWindow {
    Q_OBJECT
public:
    RegZipfunktion();
};

class RegAuslagerungsdatei2 final : public shell::ToolWindow {
    Q_OBJECT
public:
    RegAuslagerungsdatei2();
};

}  // namespace zw::tuning
