// Module Fehlerbehandlung: the file test and the component self-registration that the start-up
// repair uses. Plain C++, no Qt.
#pragma once

#include <string>

namespace zw::Fehlerbehandlung {

// True if the file's length can be read (any length, 0 included); false for a missing file,
// a bad path or a folder.
bool FileExists(const std::string& path);

// Loads the component library at `path` and runs its "DllRegisterServer" (register) or
// "DllUnregisterServer" entry point on a thread of its own, waiting at most 10 s. True when the
// entry point ended in time (its own result is not looked at); false when the library or the
// entry point is missing, no thread starts, or the time ran out. After a time-out the thread is
// left running and its library stays loaded for the rest of the process, so no code that still
// runs is ever unloaded.
bool RegisterComponent(const std::string& path, bool registering);

// The same with another longest wait (tests).
bool RegisterComponentWithin(const std::string& path, bool registering, int timeoutMs);

inline constexpr int kRegistrationTimeoutMs = 10000;

}  // namespace zw::Fehlerbehandlung
