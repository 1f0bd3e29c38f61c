// tricks_SystemsteuerungKontrollieren (hide and show parts of the control panel) and
// tricks_anzeigeeigenschaften (lock and unlock pages of the display properties): buttons only,
// no poll; every button writes and confirms.
#pragma once

#include "tips/tip_window.h"

#include <vector>

namespace zw {
struct RegistryWrite;
}

namespace zw::tips {

class TricksSystemsteuerungKontrollieren final : public TipWindow {
    Q_OBJECT
public:
    TricksSystemsteuerungKontrollieren();
};

class TricksAnzeigeeigenschaften final : public TipWindow {
    Q_OBJECT
public:
    TricksAnzeigeeigenschaften();
};

}  // namespace zw::tips
