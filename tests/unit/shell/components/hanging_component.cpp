// A component whose registration never returns.
#include "export.h"

#include <chrono>
#include <thread>

ZW_TEST_EXPORT long DllRegisterServer() {
    for (;;) std::this_thread::sleep_for(std::chrono::hours(1));
}
