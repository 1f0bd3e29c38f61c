// The small part of COM that in-process components and their clients share: class and
// interface identifiers, result codes, the reference-counted base interface, the class
// factory and the signatures of a component library's four entry points.
// Header only, plain C++; the same declarations serve on every platform.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#if defined(_WIN32)
#define ZW_COM_EXPORT extern "C" __declspec(dllexport)
#else
#define ZW_COM_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace zw::com {

// A 128-bit identifier in Windows' layout.
struct Guid {
    std::uint32_t data1 = 0;
    std::uint16_t data2 = 0;
    std::uint16_t data3 = 0;
    std::array<std::uint8_t, 8> data4{};

    friend constexpr bool operator==(const Guid&, const Guid&) = default;
};

// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}", capital hex digits, as the registry keys spell it.
inline std::string toString(const Guid& g) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string s = "{";
    auto put = [&](std::uint64_t v, int digits) {
        for (int i = digits - 1; i >= 0; --i) s += hex[(v >> (4 * i)) & 0xF];
    };
    put(g.data1, 8);
    s += '-';
    put(g.data2, 4);
    s += '-';
    put(g.data3, 4);
    s += '-';
    for (int i = 0; i < 8; ++i) {
        if (i == 2) s += '-';
        put(g.data4[static_cast<std::size_t>(i)], 2);
    }
    s += '}';
    return s;
}

// Reads the form toString() writes (either case of hex digits); nothing on any other text.
inline std::optional<Guid> parseGuid(std::string_view s) {
    if (s.size() != 38 || s.front() != '{' || s.back() != '}') return std::nullopt;
    std::uint8_t bytes[16];
    std::size_t b = 0;
    for (std::size_t i = 1; i + 1 < s.size();) {
        if (i == 9 || i == 14 || i == 19 || i == 24) {
            if (s[i] != '-') return std::nullopt;
            ++i;
            continue;
        }
        int v = 0;
        for (int k = 0; k < 2; ++k, ++i) {
            const char c = s[i];
            const int d = (c >= '0' && c <= '9') ? c - '0'
                          : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                          : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                                                   : -1;
            if (d < 0) return std::nullopt;
            v = v * 16 + d;
        }
        bytes[b++] = static_cast<std::uint8_t>(v);
    }
    Guid g;
    g.data1 = (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) | (std::uint32_t{bytes[2]} << 8) | bytes[3];
    g.data2 = static_cast<std::uint16_t>((bytes[4] << 8) | bytes[5]);
    g.data3 = static_cast<std::uint16_t>((bytes[6] << 8) | bytes[7]);
    for (std::size_t i = 0; i < 8; ++i) g.data4[i] = bytes[8 + i];
    return g;
}

// Result codes, Windows' numbers (HRESULT).
using HResult = std::int32_t;
inline constexpr HResult kOk = 0;
inline constexpr HResult kFalse = 1;
inline constexpr HResult kNoInterface = static_cast<HResult>(0x80004002u);
inline constexpr HResult kPointer = static_cast<HResult>(0x80004003u);
inline constexpr HResult kFail = static_cast<HResult>(0x80004005u);
inline constexpr HResult kNoAggregation = static_cast<HResult>(0x80040110u);
inline constexpr HResult kClassNotAvailable = static_cast<HResult>(0x80040111u);
inline constexpr HResult kClassNotRegistered = static_cast<HResult>(0x80040154u);
inline constexpr HResult kSelfRegClass = static_cast<HResult>(0x80040201u);
inline constexpr HResult kOutOfMemory = static_cast<HResult>(0x8007000Eu);
inline constexpr HResult kModuleNotFound = static_cast<HResult>(0x8007007Eu);  // the library did not load
inline constexpr HResult kProcNotFound = static_cast<HResult>(0x8007007Fu);    // an entry point is missing
inline constexpr bool succeeded(HResult hr) { return hr >= 0; }

inline constexpr Guid IID_IUnknown{0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
inline constexpr Guid IID_IClassFactory{0x00000001, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

// The base of every interface: the object lives as long as references to it are held.
class IUnknown {
public:
    virtual HResult QueryInterface(const Guid& iid, void** out) = 0;
    virtual std::uint32_t AddRef() = 0;
    virtual std::uint32_t Release() = 0;

protected:
    ~IUnknown() = default;
};

// Creates the objects of one class.
class IClassFactory : public IUnknown {
public:
    virtual HResult CreateInstance(IUnknown* outer, const Guid& iid, void** out) = 0;
    virtual HResult LockServer(bool lock) = 0;

protected:
    ~IClassFactory() = default;
};

// The four entry points of a component library, looked up by these names.
using DllGetClassObjectFn = HResult (*)(const Guid* clsid, const Guid* iid, void** out);
using DllCanUnloadNowFn = HResult (*)();
using DllRegisterServerFn = HResult (*)();
using DllUnregisterServerFn = HResult (*)();
inline constexpr char kDllGetClassObject[] = "DllGetClassObject";
inline constexpr char kDllCanUnloadNow[] = "DllCanUnloadNow";
inline constexpr char kDllRegisterServer[] = "DllRegisterServer";
inline constexpr char kDllUnregisterServer[] = "DllUnregisterServer";

// Holds one reference and releases it at the end of its life.
template <class T>
class Ref {
public:
    Ref() = default;
    // Takes over a reference the caller already holds (as CreateInstance hands it out).
    static Ref adopt(T* p) {
        Ref r;
        r.p_ = p;
        return r;
    }
    explicit Ref(T* p) : p_(p) {
        if (p_) p_->AddRef();
    }
    Ref(const Ref& o) : Ref(o.p_) {}
    Ref(Ref&& o) noexcept : p_(o.p_) { o.p_ = nullptr; }
    Ref& operator=(Ref o) noexcept {
        std::swap(p_, o.p_);
        return *this;
    }
    ~Ref() { reset(); }
    void reset() {
        if (T* p = p_) {
            p_ = nullptr;
            p->Release();
        }
    }
    T* get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }

private:
    T* p_ = nullptr;
};

}  // namespace zw::com
