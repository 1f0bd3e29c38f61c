#include "component_loader.h"

#include "registry_access.h"
#include "shared_library.h"
#include "utf8_path.h"

#include <filesystem>
#include <system_error>
#include <vector>

namespace zw::platform {

std::string inprocServerKey(const com::Guid& clsid) {
    return "CLSID\\" + com::toString(clsid) + "\\InprocServer32";
}

std::string registeredServer(const com::Guid& clsid) {
    RegistryStore& store = activeRegistry();
    RegKey key = 0;
    if (store.openKey(kHkeyClassesRoot, inprocServerKey(clsid), kKeyQueryValue, key) != kRegOk) return {};
    std::string path;
    RegType type = kRegNone;
    std::uint32_t size = 0;
    if (store.queryValue(key, "", &type, nullptr, &size) == kRegOk && (type == kRegSz || type == kRegExpandSz)) {
        std::vector<std::uint8_t> data(size);
        if (store.queryValue(key, "", &type, data.data(), &size) == kRegOk) {
            path.assign(data.begin(), data.begin() + size);
            while (!path.empty() && path.back() == '\0') path.pop_back();
        }
    }
    store.closeKey(key);
    return path;
}

bool isClassUsable(const com::Guid& clsid) {
    const std::string path = registeredServer(clsid);
    std::error_code ec;
    return !path.empty() && std::filesystem::is_regular_file(utf8Path(path), ec);
}

com::HResult createInstance(const com::Guid& clsid, const com::Guid& iid, void** out) {
    if (!out) return com::kPointer;
    *out = nullptr;
    const std::string path = registeredServer(clsid);
    if (path.empty()) return com::kClassNotRegistered;
    SharedLibrary library(path);
    if (!library.loaded()) return com::kModuleNotFound;
    auto getClassObject = library.function<com::DllGetClassObjectFn>(com::kDllGetClassObject);
    if (!getClassObject) return com::kProcNotFound;

    void* factoryPointer = nullptr;
    com::HResult hr = getClassObject(&clsid, &com::IID_IClassFactory, &factoryPointer);
    if (!com::succeeded(hr)) return hr;
    auto factory = com::Ref<com::IClassFactory>::adopt(static_cast<com::IClassFactory*>(factoryPointer));
    if (!factory) return com::kFail;
    library.keepLoaded();  // the factory and its objects run code of the library from now on
    hr = factory->CreateInstance(nullptr, iid, out);
    if (!com::succeeded(hr)) *out = nullptr;
    return hr;
}

com::HResult registerServer(const std::string& path, bool registering) {
    SharedLibrary library(path);
    if (!library.loaded()) return com::kModuleNotFound;
    auto entry = library.function<com::DllRegisterServerFn>(registering ? com::kDllRegisterServer
                                                                        : com::kDllUnregisterServer);
    if (!entry) return com::kProcNotFound;
    return entry();
}

}  // namespace zw::platform
