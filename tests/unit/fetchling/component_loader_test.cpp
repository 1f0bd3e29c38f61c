// Registration of the component in the registry store and creation of its class by identifier.
#include "component_fixture.h"

#include "fetchling/registration.h"
#include "platform/shared_library.h"

#include <gtest/gtest.h>

#include <thread>

namespace fetchling::test {
namespace {

using namespace zw::platform;

// The default value of a key below HKEY_CLASSES_ROOT, or "<missing>".
std::string classesValue(RegistryStore& store, const std::string& key, const std::string& name = "") {
    RegKey k = 0;
    if (store.openKey(kHkeyClassesRoot, key, kKeyQueryValue, k) != kRegOk) return "<missing>";
    std::uint8_t buffer[1024];
    std::uint32_t size = sizeof buffer;
    RegType type = kRegNone;
    const RegResult r = store.queryValue(k, name, &type, buffer, &size);
    store.closeKey(k);
    if (r != kRegOk || type != kRegSz) return "<missing>";
    std::string text(reinterpret_cast<const char*>(buffer), size);
    while (!text.empty() && text.back() == '\0') text.pop_back();
    return text;
}

bool keyExists(RegistryStore& store, const std::string& key) {
    RegKey k = 0;
    if (store.openKey(kHkeyClassesRoot, key, kKeyRead, k) != kRegOk) return false;
    store.closeKey(k);
    return true;
}

class LoaderTest : public zw::test::FreshStore {};

TEST_F(LoaderTest, UnregisteredClassIsNotCreated) {
    EXPECT_FALSE(isClassUsable(CLSID_clsDownload));
    zw::com::HResult hr = zw::com::kOk;
    EXPECT_FALSE(createInstance<_clsDownload>(CLSID_clsDownload, IID__clsDownload, &hr));
    EXPECT_EQ(hr, zw::com::kClassNotRegistered);
}

TEST_F(LoaderTest, RegistrationWritesClassInterfacesTypeLibraryAndProgId) {
    ASSERT_EQ(registerServer(FETCHLING_FILE, true), zw::com::kOk);
    const std::string clsid = "CLSID\\{44279612-7FE1-4616-8B43-C48267E84163}";
    EXPECT_EQ(registeredServer(CLSID_clsDownload), FETCHLING_FILE);
    EXPECT_EQ(classesValue(store(), clsid + "\\InprocServer32", "ThreadingModel"), "Apartment");
    EXPECT_EQ(classesValue(store(), clsid + "\\ProgID"), "Fetchling.clsDownload");
    EXPECT_EQ(classesValue(store(), clsid + "\\TypeLib"), "{03FAE4AE-68E3-4B99-898E-860607D3C899}");
    EXPECT_EQ(classesValue(store(), "Fetchling.clsDownload\\Clsid"), "{44279612-7FE1-4616-8B43-C48267E84163}");
    EXPECT_EQ(classesValue(store(), "Interface\\{2D331CBF-1408-420B-8845-8955593903FA}"), "_clsDownload");
    EXPECT_EQ(classesValue(store(), "Interface\\{B0F17447-A319-4401-A7D7-F0C99ECEEE0E}"), "__clsDownload");
    EXPECT_EQ(classesValue(store(), "TypeLib\\{03FAE4AE-68E3-4B99-898E-860607D3C899}\\1.0"), "Fetchling");
    EXPECT_EQ(classesValue(store(), "TypeLib\\{03FAE4AE-68E3-4B99-898E-860607D3C899}\\1.0\\0\\win32"), FETCHLING_FILE);
    EXPECT_TRUE(isClassUsable(CLSID_clsDownload));

    // Registering again changes nothing.
    ASSERT_EQ(registerServer(FETCHLING_FILE, true), zw::com::kOk);
    EXPECT_EQ(registeredServer(CLSID_clsDownload), FETCHLING_FILE);
}

TEST_F(LoaderTest, RegistrationRunsOnAThreadOfItsOwn) {
    // The program's start-up repair runs the entry point on a thread of its own.
    SharedLibrary library(FETCHLING_FILE);
    auto entry = library.function<DllRegisterServerFn>(zw::com::kDllRegisterServer);
    ASSERT_TRUE(entry);
    zw::com::HResult result = zw::com::kFail;
    std::thread([&] { result = entry(); }).join();
    EXPECT_EQ(result, zw::com::kOk);
    EXPECT_TRUE(isClassUsable(CLSID_clsDownload));
}

TEST_F(LoaderTest, UnregistrationRemovesEveryTree) {
    ASSERT_EQ(registerServer(FETCHLING_FILE, true), zw::com::kOk);
    ASSERT_EQ(registerServer(FETCHLING_FILE, false), zw::com::kOk);
    for (const auto& root : registrationRoots()) EXPECT_FALSE(keyExists(store(), root)) << root;
    EXPECT_EQ(registerServer(FETCHLING_FILE, false), zw::com::kOk);  // nothing left to remove
    EXPECT_FALSE(isClassUsable(CLSID_clsDownload));
}

TEST_F(LoaderTest, RegistrationOnAWriteProtectedHiveWritesNothing) {
    store().setWriteDenied(kHkeyLocalMachine, true);
    store().setWriteDenied(kHkeyClassesRoot, true);
    EXPECT_EQ(registerServer(FETCHLING_FILE, true), zw::com::kSelfRegClass);
    store().setWriteDenied(kHkeyLocalMachine, false);
    store().setWriteDenied(kHkeyClassesRoot, false);
    for (const auto& root : registrationRoots()) EXPECT_FALSE(keyExists(store(), root)) << root;
}

TEST_F(LoaderTest, ClassPointingToAMissingFileNeedsRepair) {
    const std::string key = inprocServerKey(CLSID_clsDownload);
    RegKey k = 0;
    ASSERT_EQ(store().createKey(kHkeyClassesRoot, key, kKeyWrite, k), kRegOk);
    const std::string gone = folder_.file("gone.so");
    store().setValue(k, "", kRegSz, reinterpret_cast<const std::uint8_t*>(gone.c_str()),
                     static_cast<std::uint32_t>(gone.size() + 1));
    store().closeKey(k);
    EXPECT_EQ(registeredServer(CLSID_clsDownload), gone);
    EXPECT_FALSE(isClassUsable(CLSID_clsDownload));
    zw::com::HResult hr = zw::com::kOk;
    EXPECT_FALSE(createInstance<_clsDownload>(CLSID_clsDownload, IID__clsDownload, &hr));
    EXPECT_EQ(hr, zw::com::kModuleNotFound);
}

TEST_F(LoaderTest, RegistrationOfWhatIsNoComponentFails) {
    EXPECT_EQ(registerServer(folder_.file("missing.so"), true), zw::com::kModuleNotFound);
    EXPECT_EQ(registerServer(ZWPLATFORM_FILE, true), zw::com::kProcNotFound);
}

class ObjectTest : public ComponentFixture {};

TEST_F(ObjectTest, AnswersOnlyItsOwnInterfaces) {
    void* p = nullptr;
    EXPECT_EQ(object_->QueryInterface(zw::com::IID_IClassFactory, &p), zw::com::kNoInterface);
    EXPECT_EQ(p, nullptr);
    ASSERT_EQ(object_->QueryInterface(zw::com::IID_IUnknown, &p), zw::com::kOk);
    EXPECT_EQ(p, static_cast<void*>(object_.get()));
    static_cast<zw::com::IUnknown*>(p)->Release();
    EXPECT_EQ(object_->StatusCode(), 0);
}

TEST_F(ObjectTest, LibraryMayUnloadOnlyWithoutObjects) {
    SharedLibrary library(FETCHLING_FILE);
    auto canUnload = library.function<DllCanUnloadNowFn>(zw::com::kDllCanUnloadNow);
    auto getClassObject = library.function<DllGetClassObjectFn>(zw::com::kDllGetClassObject);
    ASSERT_TRUE(canUnload && getClassObject);
    EXPECT_EQ(canUnload(), zw::com::kFalse);
    object_.reset();
    EXPECT_EQ(canUnload(), zw::com::kOk);

    void* p = nullptr;
    EXPECT_EQ(getClassObject(&IID__clsDownload, &zw::com::IID_IClassFactory, &p), zw::com::kClassNotAvailable);
    ASSERT_EQ(getClassObject(&CLSID_clsDownload, &zw::com::IID_IClassFactory, &p), zw::com::kOk);
    auto* factory = static_cast<zw::com::IClassFactory*>(p);
    factory->LockServer(true);
    EXPECT_EQ(canUnload(), zw::com::kFalse);
    factory->LockServer(false);
    EXPECT_EQ(canUnload(), zw::com::kOk);
    EXPECT_EQ(factory->CreateInstance(factory, IID__clsDownload, &p), zw::com::kNoAggregation);
}

}  // namespace
}  // namespace fetchling::test
