#include "module_path.h"

#include "platform/utf8_path.h"

#include <filesystem>
#include <system_error>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace fetchling {
namespace {
void anchor() {}
}  // namespace

std::string moduleFilePath() {
#if defined(_WIN32)
    HMODULE module = nullptr;
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCSTR>(&anchor), &module))
        return {};
    char buffer[MAX_PATH];
    const DWORD n = GetModuleFileNameA(module, buffer, MAX_PATH);
    return (n == 0 || n >= MAX_PATH) ? std::string() : std::string(buffer, n);
#else
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void*>(&anchor), &info) || !info.dli_fname) return {};
    std::error_code ec;
    const auto path = std::filesystem::absolute(zw::platform::utf8Path(info.dli_fname), ec);
    return ec ? std::string(info.dli_fname) : zw::platform::pathToUtf8(path.lexically_normal());
#endif
}

}  // namespace fetchling
