#include "fehlerbehandlung.h"

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace zw::Fehlerbehandlung {
namespace {

using EntryPoint = long (*)();

void* loadLibrary(const std::string& path) {
#ifdef _WIN32
    return reinterpret_cast<void*>(LoadLibraryA(path.c_str()));
#else
    // A path without a folder would be searched on the library path; the design always gives one.
    return dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
#endif
}

EntryPoint findEntry(void* library, const char* name) {
#ifdef _WIN32
    return reinterpret_cast<EntryPoint>(GetProcAddress(static_cast<HMODULE>(library), name));
#else
    return reinterpret_cast<EntryPoint>(dlsym(library, name));
#endif
}

void releaseLibrary(void* library) {
#ifdef _WIN32
    FreeLibrary(static_cast<HMODULE>(library));
#else
    dlclose(library);
#endif
}

// What the registration thread and the waiting thread share; the thread keeps it alive.
struct Completion {
    std::mutex mutex;
    std::condition_variable ended;
    bool done = false;
};

}  // namespace

bool FileExists(const std::string& path) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (error || !std::filesystem::is_regular_file(status)) return false;
    (void)std::filesystem::file_size(path, error);
    return !error;
}

bool RegisterComponent(const std::string& path, bool registering) {
    return RegisterComponentWithin(path, registering, kRegistrationTimeoutMs);
}

bool RegisterComponentWithin(const std::string& path, bool registering, int timeoutMs) {
    void* library = loadLibrary(path);
    if (!library) return false;
    const EntryPoint entry = findEntry(library, registering ? "DllRegisterServer" : "DllUnregisterServer");
    if (!entry) {
        releaseLibrary(library);
        return false;
    }
    auto completion = std::make_shared<Completion>();
    std::thread worker;
    try {
        worker = std::thread([entry, completion] {
            entry();
            std::lock_guard lock(completion->mutex);
            completion->done = true;
            completion->ended.notify_all();
        });
    } catch (const std::system_error&) {
        releaseLibrary(library);
        return false;
    }
    bool inTime;
    {
        std::unique_lock lock(completion->mutex);
        inTime = completion->ended.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return completion->done; });
    }
    if (!inTime) {
        // The entry point still runs: let it, and keep its library loaded for good.
        worker.detach();
        return false;
    }
    worker.join();
    releaseLibrary(library);
    return true;
}

}  // namespace zw::Fehlerbehandlung
