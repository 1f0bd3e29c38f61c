#include "sandbox_registry_store.h"

#include "platform/registry_tree.h"

#include <string_view>

namespace zw::test {

using namespace platform;

namespace {

// Below the sandbox key, in the order of the predefined roots.
constexpr std::string_view kRootKeyNames[] = {
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes", "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE", "HKEY_USERS",
    "HKEY_PERFORMANCE_DATA", "HKEY_CURRENT_CONFIG", "HKEY_DYN_DATA",
};

}  // namespace

SandboxRegistryStore::SandboxRegistryStore(std::shared_ptr<RegistryStore> inner, RegKey baseRoot, std::string base)
    : inner_(std::move(inner)), baseRoot_(baseRoot), base_(std::move(base)) {
    deleteTree(*inner_, baseRoot_, base_);  // what a crashed earlier run left behind
    valid_ = true;
    for (std::size_t i = 0; i < kRoots; ++i) {
        std::string path = base_ + "\\" + std::string(kRootKeyNames[i]);
        if (inner_->createKey(baseRoot_, path, kKeyAllAccess, roots_[i]) != kRegOk) {
            valid_ = false;
            break;
        }
        ++held_;
    }
}

SandboxRegistryStore::~SandboxRegistryStore() {
    for (std::size_t i = 0; i < held_; ++i) inner_->closeKey(roots_[i]);
    deleteTree(*inner_, baseRoot_, base_);
}

RegKey SandboxRegistryStore::map(RegKey key) const {
    if (!isRootKey(key)) return key;
    std::size_t index = key - kHkeyClassesRoot;
    return index < held_ ? roots_[index] : key;
}

RegResult SandboxRegistryStore::openKey(RegKey parent, std::string_view subKey, RegAccess access, RegKey& out) {
    return inner_->openKey(map(parent), subKey, access, out);
}

RegResult SandboxRegistryStore::createKey(RegKey parent, std::string_view subKey, RegAccess access, RegKey& out,
                                          bool* created) {
    return inner_->createKey(map(parent), subKey, access, out, created);
}

RegResult SandboxRegistryStore::closeKey(RegKey key) {
    // A predefined root stays open, as in the real registry.
    return isRootKey(key) ? kRegOk : inner_->closeKey(key);
}

RegResult SandboxRegistryStore::queryValue(RegKey key, std::string_view name, RegType* type, std::uint8_t* data,
                                           std::uint32_t* size) {
    return inner_->queryValue(map(key), name, type, data, size);
}

RegResult SandboxRegistryStore::setValue(RegKey key, std::string_view name, RegType type, const std::uint8_t* data,
                                         std::uint32_t size) {
    return inner_->setValue(map(key), name, type, data, size);
}

RegResult SandboxRegistryStore::deleteValue(RegKey key, std::string_view name) {
    return inner_->deleteValue(map(key), name);
}

RegResult SandboxRegistryStore::deleteKey(RegKey parent, std::string_view subKey) {
    return inner_->deleteKey(map(parent), subKey);
}

RegResult SandboxRegistryStore::enumKey(RegKey key, std::uint32_t index, std::string& name) {
    return inner_->enumKey(map(key), index, name);
}

RegResult SandboxRegistryStore::enumValue(RegKey key, std::uint32_t index, std::string& name, RegType& type,
                                          std::vector<std::uint8_t>& data) {
    return inner_->enumValue(map(key), index, name, type, data);
}

std::size_t SandboxRegistryStore::openHandleCount() const {
    std::size_t total = inner_->openHandleCount();
    return total >= held_ ? total - held_ : 0;
}

}  // namespace zw::test
