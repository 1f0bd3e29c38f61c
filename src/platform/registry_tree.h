// Whole-tree operations built on the store's single-key calls: deleting a key with everything
// below it, and reading a key's values and subkey names.
#pragma once

#include "registry_store.h"

#include <functional>
#include <string>
#include <vector>

namespace zw::platform {

struct NamedValue {
    std::string name;
    RegType type = kRegNone;
    std::vector<std::uint8_t> data;
};

// Deletes parent\path and all its subkeys, deepest first. A missing key is kRegFileNotFound.
RegResult deleteTree(RegistryStore& store, RegKey parent, const std::string& path);

// Every value of an open key, in the store's order.
RegResult readValues(RegistryStore& store, RegKey key, std::vector<NamedValue>& out);
// The names of an open key's direct subkeys, in the store's order.
RegResult readSubKeyNames(RegistryStore& store, RegKey key, std::vector<std::string>& out);

// Calls `visit` for root\path and every key below it, parents first and subkeys in the store's
// order, with the key's path below the root and its values. Stops at the first failure.
using TreeVisitor = std::function<void(const std::string& path, std::vector<NamedValue>& values)>;
RegResult visitTree(RegistryStore& store, RegKey root, const std::string& path, const TreeVisitor& visit);

// Closes a handle when it goes out of scope.
class KeyCloser {
public:
    KeyCloser(RegistryStore& store, RegKey key) : store_(store), key_(key) {}
    ~KeyCloser() { store_.closeKey(key_); }
    KeyCloser(const KeyCloser&) = delete;
    KeyCloser& operator=(const KeyCloser&) = delete;

private:
    RegistryStore& store_;
    RegKey key_;
};

}  // namespace zw::platform
