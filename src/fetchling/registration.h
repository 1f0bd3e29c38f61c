// What the component writes into HKEY_CLASSES_ROOT so that clients can create clsDownload by
// its class identifier: the class, its ProgID, its two interfaces and the type library.
// Plain C++ over the registry store.
#pragma once

#include "platform/com_lite.h"
#include "platform/registry_store.h"

#include <string>
#include <vector>

namespace fetchling {

// One default or named text value below HKEY_CLASSES_ROOT.
struct RegistrationValue {
    std::string key;
    std::string name;  // empty: the key's default value
    std::string data;
};

// The values for the component file at `libraryPath`, parents before children.
std::vector<RegistrationValue> registrationValues(const std::string& libraryPath);
// The key trees the registration owns (removed whole on unregistration).
std::vector<std::string> registrationRoots();

// DllRegisterServer's work, all or nothing: kOk, or kSelfRegClass when a key or value cannot
// be written.
zw::com::HResult writeRegistration(zw::platform::RegistryStore& store, const std::string& libraryPath);
// DllUnregisterServer's work: removes every tree; what is already missing counts as removed.
zw::com::HResult removeRegistration(zw::platform::RegistryStore& store);

}  // namespace fetchling
