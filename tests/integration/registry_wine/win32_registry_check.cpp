// The Win32 registry store and the Registry module on a real Windows registry (run under Wine):
// the same rules the embedded store follows, checked against the original.
#include "platform/registry_access.h"
#include "platform/win32_registry_store.h"
#include "tweak/registry.h"
#include <cstdio>
using namespace zw;
static int failures = 0;
static void check(bool ok, const char* what) { std::printf("%s %s\n", ok ? "ok  " : "FAIL", what); if (!ok) ++failures; }
int main() {
    auto store = std::make_shared<platform::Win32RegistryStore>();
    platform::ScopedRegistry scoped(store);
    const char* k = "Software\\ZunderwerkSmoke\\A\\B";
    Registry::SetStringValue(1, k, "s", "400");
    check(Registry::GetValueText(1, k, "s") == "400", "string round trip");
    Registry::SetDwordValue(1, k, "d", -1);
    check(Registry::GetValueText(1, k, "d") == "-1", "dword -1");
    Registry::SetDwordValue(1, k, "d2", 81920);
    check(Registry::GetValueText(1, k, "D2") == "81920", "dword 81920, name case");
    Registry::SetBinaryValue(1, k, "b", std::string("\x00\x1a\x2a\x0f", 4));
    check(Registry::GetValueText(1, k, "b") == "00 1A 2A 0F ", "binary");
    Registry::SetBinaryValue(1, k, "e", "");
    check(Registry::GetValueText(1, k, "e") == "", "empty binary");
    Registry::SetStringValue(1, k, "", "def");
    check(Registry::GetValueText(1, k, "") == "def", "default value");
    Registry::DeleteKey(1, "Software\\ZunderwerkSmoke\\A");
    check(Registry::GetValueText(1, k, "s") == "400", "DeleteKey with subkeys deletes nothing");
    Registry::SetDwordValue(1, "Software\\ZunderwerkSmoke\\Identities\\\\Software", "NoSplash", 1);
    check(Registry::GetValueText(1, "Software\\ZunderwerkSmoke\\Identities\\Software", "NoSplash") == "1", "empty segment");
    platform::RegKey key = 0;
    check(Registry::OpenKey(1, "Software\\ZunderwerkSmoke", key) == 0, "OpenKey");
    std::string name; int n = 0;
    while (Registry::EnumKey(key, n, name) == 0) { std::printf("     subkey %d: %s\n", n, name.c_str()); ++n; }
    Registry::CloseKey(key);
    check(n == 2, "two subkeys enumerated");
    Registry::DeleteValue(1, k, "s");
    check(Registry::GetValueText(1, k, "s").empty(), "value deleted");
    for (const char* p : {"Software\\ZunderwerkSmoke\\A\\B", "Software\\ZunderwerkSmoke\\A", "Software\\ZunderwerkSmoke\\Identities\\Software", "Software\\ZunderwerkSmoke\\Identities", "Software\\ZunderwerkSmoke"}) Registry::DeleteKey(1, p);
    check(Registry::OpenKey(1, "Software\\ZunderwerkSmoke", key) != 0, "all gone");
    check(store->openHandleCount() == 0, "no handle left open");
    return failures;
}
