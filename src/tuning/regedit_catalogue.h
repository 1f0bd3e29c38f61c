// The System Tuning catalogue `Regedit` as data: 21 entries in two columns. An entry's
// `ready` column says whether the window it opens is built yet. Plain C++, no Qt.
#pragma once

#include "tweak/catalogue.h"

namespace zw {

const CatalogueDesign& regeditCatalogue();

}  // namespace zw
