// The parts of the control panel that tricks_SystemsteuerungKontrollieren hides and shows,
// and the registry writes behind each of its buttons. Plain C++, no Qt.
#pragma once

#include "tweak/registry_toggle.h"

#include <array>
#include <string_view>
#include <vector>

namespace zw {

// How a part is hidden: an applet file listed under "don't load", or a namespace folder whose
// key is deleted (showing it creates the key again with its display name).
enum class PanelMechanism { DontLoad, NameSpace };

struct ControlPanelPart {
    std::string_view caption;      // caption of its hide and show buttons; empty: no button
    PanelMechanism mechanism;
    std::string_view target;       // applet file or class identifier
    std::string_view displayName;  // NameSpace: default value written when shown
};

inline constexpr int kPanelPartsWithButtons = 20;

// Rows 1 ... 20 have a button each; rows 21 and 22 are reached by the "all" buttons only.
const std::array<ControlPanelPart, 22>& controlPanelParts();

std::vector<RegistryWrite> hidePartWrites(const ControlPanelPart& part);
std::vector<RegistryWrite> showPartWrites(const ControlPanelPart& part);
// Hide all: every don't-load part in row order, then every namespace part in row order.
std::vector<RegistryWrite> hideAllWrites();
// Show all: every namespace part in row order first, then every don't-load part.
std::vector<RegistryWrite> showAllWrites();

}  // namespace zw
