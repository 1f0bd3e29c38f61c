// Test fixture: a fresh registry store for one test (SQLite, or the real registry on Windows
// and under Wine), seeded with the default hive (or empty), installed as the active store; it
// can refuse writes below a root like a restricted user where the store can, and make the
// next value write raise an error.
#pragma once

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
    struct Raising final : platform::RegistryStore {
        explicit Raising(std::shared_ptr<platform::RegistryStore> s) : inner(std::move(s)) {}
        std::shared_ptr<platform::RegistryStore> inner;
        bool failNext = false;

        using RegKey = platform::RegKey;
        using RegResult = platform::RegResult;
        RegResult openKey(RegKey p, std::string_view k, platform::RegAccess a, RegKey& o) override
        {
            return inner->openKey(p, k, a, o);
        }
        RegResult createKey(RegKey p, std::string_view k, platform::RegAccess a, RegKey& o, bool* c) override
        {
            return inner->createKey(p, k, a, o, c);
        }
        RegResult closeKey(RegKey k) override { return inner->closeKey(k); }
        RegResult queryValue(RegKey k, std::string_view n, platform::RegType* t, std::uint8_t* d,
                             std::uint32_t* s) override
        {
            return inner->queryValue(k, n, t, d, s);
        }
        RegResult setValue(RegKey k, std::string_view n, platform::RegType t, const std::uint8_t* d,
                           std::uint32_t s) override
        {
            if (failNext) {
                failNext = false;
                throw std::runtime_error("store failure");
            }
            return inner->setValue(k, n, t, d, s);
        }
        RegResult deleteValue(RegKey k, std::string_view n) override { return inner->deleteValue(k, n); }
        RegResult deleteKey(RegKey p, std::string_view k) override { return inner->deleteKey(p, k); }
        RegResult enumKey(RegKey k, std::uint32_t i, std::string& n) override { return inner->enumKey(k, i, n); }
        RegResult enumValue(RegKey k, std::uint32_t i, std::string& n, platform::RegType& t,
                            std::vector<std::uint8_t>& d) override
        {
            return inner->enumValue(k, i, n, t, d);
        }
        std::size_t openHandleCount() const override { return inner->openHandleCount(); }
        RegResult applyAtomically(const std::function<RegResult()>& work) override
        {
            return inner->applyAtomically(work);
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
