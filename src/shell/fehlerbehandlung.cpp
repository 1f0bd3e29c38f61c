#include "fehlerbehandlung.h"

#include "platform/shared_library.h"

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

namespace zw::Fehlerbehandlung {
namespace {

using EntryPoint = long (*)();

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
    platform::SharedLibrary library(path);
    if (!library.loaded()) return false;
    const auto entry = library.function<EntryPoint>(registering ? "DllRegisterServer" : "DllUnregisterServer");
    if (!entry) return false;
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
        library.keepLoaded();
        return false;
    }
    worker.join();
    return true;  // the library is released here
}

}  // namespace zw::Fehlerbehandlung
