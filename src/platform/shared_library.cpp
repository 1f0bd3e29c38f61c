#include "shared_library.h"

#include <utility>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#endif

namespace zw::platform {

#if !defined(_WIN32)
namespace {

bool trustedOwner(uid_t owner) { return owner == ::geteuid() || owner == 0; }

// Whether nobody but the user (or the system) can have put or changed what is at `entry`: the
// entry is theirs, and its folder is theirs and open to writes by nobody else (a folder with
// the sticky bit lets nobody else replace the user's entries).
bool entrySafe(const std::string& entry) {
    const std::size_t slash = entry.find_last_of('/');
    const std::string folder = slash == 0 ? "/" : entry.substr(0, slash);
    struct stat info {};
    if (::lstat(entry.c_str(), &info) != 0 || !trustedOwner(info.st_uid)) return false;
    if (::stat(folder.c_str(), &info) != 0 || !trustedOwner(info.st_uid)) return false;
    return (info.st_mode & 022) == 0 || (info.st_mode & S_ISVTX) != 0;
}

}  // namespace

std::string untrustedLibraryReason(const std::string& path) {
    if (path.find('/') == std::string::npos) return {};  // found by the system's own search
    char resolved[PATH_MAX];
    if (!::realpath(path.c_str(), resolved)) return "the library file cannot be found";
    const std::string real = resolved;
    struct stat info {};
    if (::stat(real.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return "the library is not a regular file";
    if (!trustedOwner(info.st_uid)) return "the library file belongs to another user";
    if (info.st_mode & 022) return "others may change the library file";
    if (!entrySafe(path) || !entrySafe(real)) return "others may replace the library file in its folder";
    return {};
}
#endif

SharedLibrary::SharedLibrary(const std::string& path) {
#if defined(_WIN32)
    handle_ = reinterpret_cast<void*>(LoadLibraryA(path.c_str()));
    if (!handle_) error_ = "LoadLibrary failed with error " + std::to_string(GetLastError());
#else
    if (error_ = untrustedLibraryReason(path); !error_.empty()) return;
    handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) {
        const char* why = dlerror();
        error_ = why ? why : "dlopen failed";
    }
#endif
}

SharedLibrary::~SharedLibrary() {
    if (!handle_) return;
#if defined(_WIN32)
    FreeLibrary(reinterpret_cast<HMODULE>(handle_));
#else
    dlclose(handle_);
#endif
}

SharedLibrary::SharedLibrary(SharedLibrary&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), error_(std::move(other.error_)) {}

SharedLibrary& SharedLibrary::operator=(SharedLibrary&& other) noexcept {
    if (this != &other) {
        SharedLibrary old(std::move(*this));
        handle_ = std::exchange(other.handle_, nullptr);
        error_ = std::move(other.error_);
    }
    return *this;
}

void* SharedLibrary::symbol(const char* name) const {
    if (!handle_) return nullptr;
#if defined(_WIN32)
    return reinterpret_cast<void*>(GetProcAddress(reinterpret_cast<HMODULE>(handle_), name));
#else
    return dlsym(handle_, name);
#endif
}

}  // namespace zw::platform
