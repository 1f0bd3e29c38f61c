#include "registration.h"

#include "fetchling.h"
#include "platform/utf8_path.h"

namespace fetchling {
namespace {

using namespace zw::platform;

// Marshaling of dispatch interfaces by the platform's standard proxy.
constexpr char kDispatchProxy[] = "{00020424-0000-0000-C000-000000000046}";

std::string classKey() { return "CLSID\\" + zw::com::toString(CLSID_clsDownload); }
std::string interfaceKey(const Guid& iid) { return "Interface\\" + zw::com::toString(iid); }
std::string typeLibKey() { return "TypeLib\\" + zw::com::toString(LIBID_Fetchling); }

// Deletes `path` below `root` with all its subkeys; a missing key is no failure.
RegResult deleteTree(RegistryStore& store, RegKey root, const std::string& path) {
    RegKey key = 0;
    RegResult r = store.openKey(root, path, kKeyRead, key);
    if (r == kRegFileNotFound) return kRegOk;
    if (r != kRegOk) return r;
    std::vector<std::string> children;
    std::string name;
    for (std::uint32_t i = 0; store.enumKey(key, i, name) == kRegOk; ++i) children.push_back(name);
    store.closeKey(key);
    for (const auto& child : children) {
        r = deleteTree(store, root, path + "\\" + child);
        if (r != kRegOk) return r;
    }
    r = store.deleteKey(root, path);
    return r == kRegFileNotFound ? kRegOk : r;
}

RegResult writeValue(RegistryStore& store, const RegistrationValue& v) {
    RegKey key = 0;
    RegResult r = store.createKey(kHkeyClassesRoot, v.key, kKeyWrite, key);
    if (r != kRegOk) return r;
    // Text values are stored with their terminating NUL, as the registry keeps REG_SZ.
    r = store.setValue(key, v.name, kRegSz, reinterpret_cast<const std::uint8_t*>(v.data.c_str()),
                       static_cast<std::uint32_t>(v.data.size() + 1));
    store.closeKey(key);
    return r;
}

}  // namespace

std::vector<RegistrationValue> registrationValues(const std::string& libraryPath) {
    const std::string clsid = classKey();
    const std::string libid = zw::com::toString(LIBID_Fetchling);
    const std::string folder = pathToUtf8(utf8Path(libraryPath).parent_path());
    std::vector<RegistrationValue> values = {
        {clsid, "", kProgId},
        {clsid + "\\InprocServer32", "", libraryPath},
        {clsid + "\\InprocServer32", "ThreadingModel", "Apartment"},
        {clsid + "\\ProgID", "", kProgId},
        {clsid + "\\VERSION", "", kLibraryVersion},
        {clsid + "\\TypeLib", "", libid},
        {kProgId, "", kProgId},
        {std::string(kProgId) + "\\Clsid", "", zw::com::toString(CLSID_clsDownload)},
    };
    for (const auto& [iid, name] : {std::pair{IID__clsDownload, "_clsDownload"}, std::pair{DIID___clsDownload, "__clsDownload"}}) {
        const std::string key = interfaceKey(iid);
        values.push_back({key, "", name});
        values.push_back({key + "\\ProxyStubClsid", "", kDispatchProxy});
        values.push_back({key + "\\ProxyStubClsid32", "", kDispatchProxy});
        values.push_back({key + "\\TypeLib", "", libid});
        values.push_back({key + "\\TypeLib", "Version", kLibraryVersion});
    }
    const std::string lib = typeLibKey() + "\\" + kLibraryVersion;
    values.push_back({lib, "", "Fetchling"});
    values.push_back({lib + "\\0\\win32", "", libraryPath});
    values.push_back({lib + "\\FLAGS", "", "0"});
    values.push_back({lib + "\\HELPDIR", "", folder});
    return values;
}

std::vector<std::string> registrationRoots() {
    return {classKey(), kProgId, interfaceKey(IID__clsDownload), interfaceKey(DIID___clsDownload), typeLibKey()};
}

zw::com::HResult writeRegistration(RegistryStore& store, const std::string& libraryPath) {
    const auto values = registrationValues(libraryPath);
    const RegResult r = store.applyAtomically([&] {
        for (const auto& v : values) {
            if (const RegResult w = writeValue(store, v); w != kRegOk) return w;
        }
        return kRegOk;
    });
    return r == kRegOk ? zw::com::kOk : zw::com::kSelfRegClass;
}

zw::com::HResult removeRegistration(RegistryStore& store) {
    zw::com::HResult result = zw::com::kOk;
    for (const auto& root : registrationRoots()) {
        if (deleteTree(store, kHkeyClassesRoot, root) != kRegOk) result = zw::com::kSelfRegClass;
    }
    return result;
}

}  // namespace fetchling
