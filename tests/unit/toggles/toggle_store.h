// Test fixture: a fresh registry store for one test (SQLite, or the real registry on Windows
// and under Wine), seeded with the default hive (or empty), installed as the active store; it
// can refuse writes below a root like a restricted user where the store can, and make the
// next value write raise an error.
#pragma once

#include "forwarding_registry_store.h"
#include "platform/registry_access.h"
#include "registry_test_store.h"
#include "tweak/registry.h"
#include "platform/default_hive.h"

#include <stdexcept>

namespace zw::test {

class ToggleStore {
public:
    enum Contents { DefaultHive, Empty };

    explicit ToggleStore(Contents contents = DefaultHive)
        : inner_(openInner(contents)), outer_(std::make_shared<Raising>(inner_)), scope_(outer_)
    {
    }

    // False where the store cannot refuse writes (the real registry under Wine).
    bool denyWrites(HiveCode hive) { return setWriteDenied(*inner_, platform::rootKey(hive), true); }
    void failNextSetValue() { outer_->failNext = true; }

private:
    // Forwards every call to the real store; setValue raises once when asked to.
    struct Raising final : ForwardingRegistryStore {
        using ForwardingRegistryStore::ForwardingRegistryStore;
        bool failNext = false;

        RegResult setValue(RegKey k, std::string_view n, RegType t, const std::uint8_t* d, std::uint32_t s) override
        {
            if (failNext) {
                failNext = false;
                throw std::runtime_error("store failure");
            }
            return ForwardingRegistryStore::setValue(k, n, t, d, s);
        }
    };

    static std::shared_ptr<platform::RegistryStore> openInner(Contents contents)
    {
        auto store = makeTestStore(contents == DefaultHive ? StoreSeed(platform::seedDefaultHive) : StoreSeed());
        if (!store)
            throw std::runtime_error(std::string("cannot make a fresh ") + testStoreName() + " store");
        return store;
    }

    std::shared_ptr<platform::RegistryStore> inner_;
    std::shared_ptr<Raising> outer_;
    platform::ScopedRegistry scope_;
};

}  // namespace zw::test
