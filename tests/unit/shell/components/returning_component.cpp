// A component whose registration ends at once and leaves a mark (the file named by
// ZW_TEST_COMPONENT_MARK) saying which entry point ran.
#include "export.h"

#include <cstdio>
#include <cstdlib>

namespace {
void mark(const char* what) {
    const char* path = std::getenv("ZW_TEST_COMPONENT_MARK");
    if (!path) return;
    if (FILE* file = std::fopen(path, "a")) {
        std::fputs(what, file);
        std::fclose(file);
    }
}
}  // namespace

ZW_TEST_EXPORT long DllRegisterServer() {
    mark("register;");
    return 0;
}
ZW_TEST_EXPORT long DllUnregisterServer() {
    mark("unregister;");
    return 0;
}
