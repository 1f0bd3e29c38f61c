// Creating objects of in-process components by class identifier, and running a component's
// self-registration. The class's library is found in the registry store the way COM finds it:
// HKEY_CLASSES_ROOT\CLSID\{class id}\InprocServer32, default value.
// Plain C++; a library that has handed out an object stays loaded for the rest of the process,
// so no code is ever unloaded while an object of it (or work it left queued) may still run.
#pragma once

#include "com_lite.h"

#include <string>

namespace zw::platform {

// The registry key below HKEY_CLASSES_ROOT that names the library of a class.
std::string inprocServerKey(const com::Guid& clsid);

// The library file registered for the class; empty when the class is not registered.
std::string registeredServer(const com::Guid& clsid);

// True when the class is registered and its registered library file exists — what a
// start-up repair checks before it registers a component again.
bool isClassUsable(const com::Guid& clsid);

// Creates an object of the class and asks it for the interface `iid`; on success `*out`
// holds one reference for the caller. kClassNotRegistered when the class has no library,
// kModuleNotFound when the library does not load, kProcNotFound when it lacks
// DllGetClassObject, otherwise the component's own result.
com::HResult createInstance(const com::Guid& clsid, const com::Guid& iid, void** out);

template <class T>
com::Ref<T> createInstance(const com::Guid& clsid, const com::Guid& iid, com::HResult* result = nullptr) {
    void* p = nullptr;
    const com::HResult hr = createInstance(clsid, iid, &p);
    if (result) *result = hr;
    return com::succeeded(hr) ? com::Ref<T>::adopt(static_cast<T*>(p)) : com::Ref<T>();
}

// Loads the library at `path` and runs its DllRegisterServer (or DllUnregisterServer) on the
// calling thread; returns the entry point's result, kModuleNotFound or kProcNotFound.
com::HResult registerServer(const std::string& path, bool registering);

}  // namespace zw::platform
