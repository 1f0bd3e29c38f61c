// Loading a shared library at run time and finding its exported functions
// (LoadLibraryA / GetProcAddress / FreeLibrary on Windows, dlopen elsewhere).
#pragma once

#include <string>

namespace zw::platform {

#if !defined(_WIN32)
// Why the library file at `path` is not loaded, empty when it may be: a file that another user
// owns or may change, or that others may replace in its folder, is never loaded (its code would
// run as the user). A bare file name is left to the system's own library search.
std::string untrustedLibraryReason(const std::string& path);
#endif

class SharedLibrary {
public:
    SharedLibrary() = default;
    // Loads the library file at `path` unless it is untrusted (see above); check loaded(), the
    // reason is in error().
    explicit SharedLibrary(const std::string& path);
    ~SharedLibrary();  // releases the library unless release() handed it off
    SharedLibrary(SharedLibrary&& other) noexcept;
    SharedLibrary& operator=(SharedLibrary&& other) noexcept;
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;

    bool loaded() const { return handle_ != nullptr; }
    const std::string& error() const { return error_; }
    // The exported function of that name, or null.
    void* symbol(const char* name) const;
    template <class Fn>
    Fn function(const char* name) const {
        return reinterpret_cast<Fn>(symbol(name));
    }
    // Keeps the library loaded for the rest of the process (its code may still run).
    void keepLoaded() { handle_ = nullptr; }

private:
    void* handle_ = nullptr;
    std::string error_;
};

}  // namespace zw::platform
