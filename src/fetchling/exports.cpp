// The component's four entry points and its class factory.
#include "cls_download.h"
#include "fetchling.h"
#include "module_path.h"
#include "module_state.h"
#include "platform/registry_access.h"
#include "registration.h"

namespace fetchling {
namespace {

class ClassFactory final : public zw::com::IClassFactory {
public:
    HResult QueryInterface(const Guid& iid, void** out) override {
        if (!out) return zw::com::kPointer;
        if (iid == zw::com::IID_IUnknown || iid == zw::com::IID_IClassFactory) {
            *out = static_cast<zw::com::IClassFactory*>(this);
            return zw::com::kOk;
        }
        *out = nullptr;
        return zw::com::kNoInterface;
    }
    // The factory is one static object of the library: counting references is not needed.
    std::uint32_t AddRef() override { return 2; }
    std::uint32_t Release() override { return 1; }

    HResult CreateInstance(zw::com::IUnknown* outer, const Guid& iid, void** out) override {
        if (!out) return zw::com::kPointer;
        *out = nullptr;
        if (outer) return zw::com::kNoAggregation;
        auto* object = new clsDownload;  // holds one reference
        const HResult hr = object->QueryInterface(iid, out);
        object->Release();
        return hr;
    }
    HResult LockServer(bool lock) override {
        lock ? ++moduleState().locks : --moduleState().locks;
        return zw::com::kOk;
    }
};

ClassFactory factory;

}  // namespace
}  // namespace fetchling

using namespace fetchling;

ZW_COM_EXPORT HResult DllGetClassObject(const Guid* clsid, const Guid* iid, void** out) {
    if (!clsid || !iid || !out) return zw::com::kPointer;
    *out = nullptr;
    if (*clsid != CLSID_clsDownload) return zw::com::kClassNotAvailable;
    return factory.QueryInterface(*iid, out);
}

ZW_COM_EXPORT HResult DllCanUnloadNow() { return moduleState().inUse() ? zw::com::kFalse : zw::com::kOk; }

// No exception leaves the component: a registration that throws has failed.
ZW_COM_EXPORT HResult DllRegisterServer() {
    try {
        const std::string path = moduleFilePath();
        if (path.empty()) return zw::com::kSelfRegClass;
        return writeRegistration(zw::platform::activeRegistry(), path);
    } catch (...) {
        return zw::com::kSelfRegClass;
    }
}

ZW_COM_EXPORT HResult DllUnregisterServer() {
    try {
        return removeRegistration(zw::platform::activeRegistry());
    } catch (...) {
        return zw::com::kSelfRegClass;
    }
}
