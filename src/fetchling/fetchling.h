// The download component Fetchling as its clients see it: the identifiers of its type library,
// class and interfaces, the class's interface `_clsDownload` and the event interface
// `__clsDownload` a client implements. A client includes this header, creates the class by
// CLSID_clsDownload through the component loader, and links nothing of the component.
//
// Rules of use:
// - All calls and all events happen on the thread that called DoDownload; that thread needs a
//   running Qt event loop (QCoreApplication), which drives the connection.
// - The object holds the event sink without a reference of its own: the sink must stay valid
//   while it is connected (Advise(nullptr) disconnects it).
// - A client may release its last reference from inside an event handler; the object lives on
//   until the handler has returned.
#pragma once

#include "platform/com_lite.h"

#include <cstdint>

namespace fetchling {

using zw::com::Guid;
using zw::com::HResult;

// Type library "Fetchling", version 1.0.
inline constexpr Guid LIBID_Fetchling{0x03FAE4AE, 0x68E3, 0x4B99, {0x89, 0x8E, 0x86, 0x06, 0x07, 0xD3, 0xC8, 0x99}};
// The creatable class clsDownload.
inline constexpr Guid CLSID_clsDownload{0x44279612, 0x7FE1, 0x4616, {0x8B, 0x43, 0xC4, 0x82, 0x67, 0xE8, 0x41, 0x63}};
// Its default interface _clsDownload.
inline constexpr Guid IID__clsDownload{0x2D331CBF, 0x1408, 0x420B, {0x88, 0x45, 0x89, 0x55, 0x59, 0x39, 0x03, 0xFA}};
// Its default event interface __clsDownload.
inline constexpr Guid DIID___clsDownload{0xB0F17447, 0xA319, 0x4401, {0xA7, 0xD7, 0xF0, 0xC9, 0x9E, 0xCE, 0xEE, 0x0E}};

inline constexpr char kProgId[] = "Fetchling.clsDownload";
inline constexpr char kLibraryVersion[] = "1.0";
// The component's file name on this platform.
#if defined(_WIN32)
inline constexpr char kFileName[] = "Fetchling.dll";
#elif defined(__APPLE__)
inline constexpr char kFileName[] = "libFetchling.dylib";
#else
inline constexpr char kFileName[] = "libFetchling.so";
#endif

// Dispatch ids of the events.
inline constexpr int kDispIdStart = 1;
inline constexpr int kDispIdProgress = 2;
inline constexpr int kDispIdFinished = 3;

// Events of clsDownload, implemented by the client (slot order of the event interface).
class __clsDownload {
public:
    // Once per download, right after the request was handed to the socket.
    virtual void Start() = 0;
    // At most once per download, when the server closes the connection.
    virtual void Finished() = 0;
    // After every received block, once the block is in the file. FileSize is the announced
    // size, 0 when no length is known.
    virtual void Progress(std::int32_t BytesLoaded, std::int32_t FileSize) = 0;

protected:
    ~__clsDownload() = default;
};

// The class's default interface (slot order: the two operations, then what was added after).
class _clsDownload : public zw::com::IUnknown {
public:
    // Starts fetching strURL (UTF-8) into the file strLocalFile (UTF-8, deleted first when it
    // exists). True when the connection attempt is under way; false after the component has
    // shown its "Fehler!" box.
    virtual bool DoDownload(const char* strURL, const char* strLocalFile) = 0;
    // Closes the connection and drops the socket; raises no event; the file written so far stays.
    virtual void AbortDownload() = 0;
    // Status code of the current download's response (200, 404, ...); 0 until a status line
    // was read, and for a response without one.
    virtual std::int32_t StatusCode() = 0;
    // Connects the client's event sink (nullptr disconnects); replaces an earlier one.
    virtual void Advise(__clsDownload* sink) = 0;
    // The current download was ended by the component itself, without a further event, because
    // its answer could not be stored (a header beyond its limit, a broken chunk, a write that
    // failed). A client that supervises its download asks this to report the failure.
    virtual bool Failed() = 0;

protected:
    ~_clsDownload() = default;
};

// Signatures of the component's four exports, looked up by name by the component loader:
// DllGetClassObject, DllCanUnloadNow, DllRegisterServer, DllUnregisterServer.
using DllGetClassObjectFn = zw::com::DllGetClassObjectFn;
using DllCanUnloadNowFn = zw::com::DllCanUnloadNowFn;
using DllRegisterServerFn = zw::com::DllRegisterServerFn;
using DllUnregisterServerFn = zw::com::DllUnregisterServerFn;

}  // namespace fetchling
