// Which writes of the Registry module a WriteOutcome counts as failed: those that did not reach
// the state they asked for. Deleting what is already absent reaches it.
#include "refusing_registry_store.h"
#include "registry_test_store.h"

#include "tweak/registry.h"
#include "tweak/write_outcome.h"

#include <gtest/gtest.h>

#include <functional>

namespace zw {
namespace {

using namespace platform;
using Registry::WriteOutcome;

constexpr HiveCode kUser = 1;
constexpr HiveCode kMachine = 2;
constexpr const char* kKey = "Software\\Outcome";

class WriteOutcomeTest : public test::RegistryStoreTest {
protected:
    void SetUp() override {
        RegistryStoreTest::SetUp();
        for (HiveCode hive : {kUser, kMachine}) {
            Registry::SetStringValue(hive, kKey, "present", "x");
            Registry::CreateKeyPath(hive, std::string(kKey) + "\\Leaf");
            Registry::CreateKeyPath(hive, std::string(kKey) + "\\Parent\\Child");
        }
    }
    static int failuresOf(const std::function<void()>& write) {
        const WriteOutcome outcome;
        write();
        return outcome.failures();
    }
};

struct Case {
    const char* what;
    bool machineDenied;
    std::function<void()> write;
    bool fails;
};

TEST_F(WriteOutcomeTest, CountsTheWritesThatDidNotReachTheirState) {
    const std::string leaf = std::string(kKey) + "\\Leaf";
    const std::string parent = std::string(kKey) + "\\Parent";
    const Case cases[] = {
        {"set on a writable hive", false, [] { Registry::SetDwordValue(kUser, "Software\\Neu\\Tief", "n", 1); }, false},
        {"set string, binary", false,
         [] {
             Registry::SetStringValue(kMachine, kKey, "s", "t");
             Registry::SetBinaryValue(kMachine, kKey, "b", std::string("\x01\x02", 2));
         },
         false},
        {"set below a denied hive", true, [] { Registry::SetDwordValue(kMachine, kKey, "n", 1); }, true},
        {"set of a new key below a denied hive", true,
         [] { Registry::SetStringValue(kMachine, "SOFTWARE\\Neu", "n", "1"); }, true},
        {"delete a present value", false, [] { Registry::DeleteValue(kUser, kKey, "present"); }, false},
        {"delete an absent value", false, [] { Registry::DeleteValue(kUser, kKey, "absent"); }, false},
        {"delete a value of an absent key", false, [] { Registry::DeleteValue(kUser, "Software\\Nirgends", "v"); }, false},
        {"delete a present value below a denied hive", true, [] { Registry::DeleteValue(kMachine, kKey, "present"); }, true},
        {"delete an absent value below a denied hive", true, [] { Registry::DeleteValue(kMachine, kKey, "absent"); }, false},
        {"delete a value of an absent key below a denied hive", true,
         [] { Registry::DeleteValue(kMachine, "SOFTWARE\\Nirgends", "v"); }, false},
        {"delete a leaf key", false, [leaf] { Registry::DeleteKey(kUser, leaf); }, false},
        {"delete an absent key", false, [] { Registry::DeleteKey(kUser, "Software\\Nirgends\\Auch"); }, false},
        {"delete a key that has subkeys", false, [parent] { Registry::DeleteKey(kUser, parent); }, true},
        {"delete a leaf key below a denied hive", true, [leaf] { Registry::DeleteKey(kMachine, leaf); }, true},
        {"delete an absent key below a denied hive", true, [] { Registry::DeleteKey(kMachine, "SOFTWARE\\Nirgends"); }, false},
        {"direct create of a new key below a denied hive", true,
         [] {
             RegKey key = 0;
             if (Registry::CreateKey(kMachine, "SOFTWARE\\Neu", key) == kRegOk) Registry::CloseKey(key);
         },
         true},
        {"direct set in an existing key below a denied hive", true,
         [] {
             RegKey key = 0;
             ASSERT_EQ(Registry::CreateKey(kMachine, kKey, key), kRegOk) << "an existing key opens, for reading";
             Registry::SetStringValueSized(key, "v", "ab", 2);
             Registry::CloseKey(key);
         },
         true},
        {"direct set of a size beyond the text", false,
         [] {
             RegKey key = 0;
             ASSERT_EQ(Registry::CreateKey(kUser, kKey, key), kRegOk);
             Registry::SetStringValueSized(key, "v", "ab", 3);
             Registry::CloseKey(key);
         },
         true},
        {"reads never count", true,
         [] {
             Registry::GetValueText(kMachine, kKey, "present");
             RegKey key = 0;
             if (Registry::OpenKey(kMachine, "SOFTWARE\\Nirgends", key) == kRegOk) Registry::CloseKey(key);
         },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.machineDenied && !setWriteDenied(kHkeyLocalMachine, true))
            continue;  // no restricted user on this store
        EXPECT_EQ(failuresOf(c.write), c.fails ? 1 : 0);
        setWriteDenied(kHkeyLocalMachine, false);
    }
    RegKey parentKey = 0;
    ASSERT_EQ(store().openKey(kHkeyCurrentUser, parent, kKeyRead, parentKey), kRegOk) << "nothing was deleted";
    store().closeKey(parentKey);
}

TEST_F(WriteOutcomeTest, AValueTheStoreRefusesToSetIsAFailure) {
    auto refusing = std::make_shared<test::RefusingRegistryStore>(store());
    refusing->refusedValueName = "boom";
    const ScopedRegistry scope(refusing);
    EXPECT_EQ(failuresOf([] {
                  Registry::SetStringValue(kUser, kKey, "fine", "1");
                  Registry::SetStringValue(kUser, kKey, "boom", "1");
                  Registry::SetStringValue(kUser, kKey, "fine", "2");
              }),
              1);
}

TEST_F(WriteOutcomeTest, ObserversNestAndSeeOnlyTheWritesOfTheirLifetime) {
    WriteOutcome::noteFailure();  // no observer: nothing to tell, nothing breaks
    if (!setWriteDenied(kHkeyLocalMachine, true))
        GTEST_SKIP() << "no restricted user on the " << test::testStoreName() << " store";
    const WriteOutcome outer;
    Registry::SetDwordValue(kMachine, kKey, "n", 1);
    {
        const WriteOutcome inner;
        EXPECT_FALSE(inner.failed()) << "a failure before it began";
        Registry::DeleteValue(kMachine, kKey, "present");
        EXPECT_EQ(inner.failures(), 1);
    }
    EXPECT_EQ(outer.failures(), 2) << "the inner observer's failure counts for the outer too";
    setWriteDenied(kHkeyLocalMachine, false);
    Registry::SetDwordValue(kMachine, kKey, "n", 1);
    EXPECT_EQ(outer.failures(), 2);
}

}  // namespace
}  // namespace zw
