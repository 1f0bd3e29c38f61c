// A registry store that hands every call to another store. Tests derive from it and override
// the calls they watch or disturb (count errors, raise once), leaving the rest as they are.
#pragma once

#include "platform/registry_store.h"

#include <memory>
#include <utility>

namespace zw::test {

class ForwardingRegistryStore : public platform::RegistryStore {
public:
    using RegKey = platform::RegKey;
    using RegResult = platform::RegResult;
    using RegAccess = platform::RegAccess;
    using RegType = platform::RegType;

    // Keeps the store below alive, or only borrows it (it must outlive this one).
    explicit ForwardingRegistryStore(std::shared_ptr<platform::RegistryStore> inner)
        : owned_(std::move(inner)), inner_(owned_.get())
    {
    }
    explicit ForwardingRegistryStore(platform::RegistryStore& inner) : inner_(&inner) {}

    platform::RegistryStore& inner() { return *inner_; }

    RegResult openKey(RegKey p, std::string_view k, RegAccess a, RegKey& o) override { return inner_->openKey(p, k, a, o); }
    RegResult createKey(RegKey p, std::string_view k, RegAccess a, RegKey& o, bool* c = nullptr) override
    {
        return inner_->createKey(p, k, a, o, c);
    }
    RegResult closeKey(RegKey k) override { return inner_->closeKey(k); }
    RegResult queryValue(RegKey k, std::string_view n, RegType* t, std::uint8_t* d, std::uint32_t* s) override
    {
        return inner_->queryValue(k, n, t, d, s);
    }
    RegResult setValue(RegKey k, std::string_view n, RegType t, const std::uint8_t* d, std::uint32_t s) override
    {
        return inner_->setValue(k, n, t, d, s);
    }
    RegResult deleteValue(RegKey k, std::string_view n) override { return inner_->deleteValue(k, n); }
    RegResult deleteKey(RegKey p, std::string_view k) override { return inner_->deleteKey(p, k); }
    RegResult enumKey(RegKey k, std::uint32_t i, std::string& n) override { return inner_->enumKey(k, i, n); }
    RegResult enumValue(RegKey k, std::uint32_t i, std::string& n, RegType& t, std::vector<std::uint8_t>& d) override
    {
        return inner_->enumValue(k, i, n, t, d);
    }
    std::size_t openHandleCount() const override { return inner_->openHandleCount(); }
    RegResult applyAtomically(const std::function<RegResult()>& work) override { return inner_->applyAtomically(work); }

private:
    std::shared_ptr<platform::RegistryStore> owned_;
    platform::RegistryStore* inner_;
};

}  // namespace zw::test
