// The Tips und Tricks catalogue `Tricks` as data: 29 entries in two columns. An entry's
// `ready` column says whether the window it opens is built yet. Plain C++, no Qt.
#pragma once

#include "tweak/catalogue.h"

namespace zw {

const CatalogueDesign& tricksCatalogue();

}  // namespace zw
