// A library without registration entry points.
#include "export.h"

ZW_TEST_EXPORT int SomethingElse() { return 1; }
