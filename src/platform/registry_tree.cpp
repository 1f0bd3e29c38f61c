#include "registry_tree.h"

namespace zw::platform {

RegResult readValues(RegistryStore& store, RegKey key, std::vector<NamedValue>& out) {
    out.clear();
    for (std::uint32_t i = 0;; ++i) {
        NamedValue v;
        const RegResult rc = store.enumValue(key, i, v.name, v.type, v.data);
        if (rc == kRegNoMoreItems) return kRegOk;
        if (rc != kRegOk) return rc;
        out.push_back(std::move(v));
    }
}

RegResult readSubKeyNames(RegistryStore& store, RegKey key, std::vector<std::string>& out) {
    out.clear();
    for (std::uint32_t i = 0;; ++i) {
        std::string name;
        const RegResult rc = store.enumKey(key, i, name);
        if (rc == kRegNoMoreItems) return kRegOk;
        if (rc != kRegOk) return rc;
        out.push_back(std::move(name));
    }
}

RegResult visitTree(RegistryStore& store, RegKey root, const std::string& path, const TreeVisitor& visit) {
    std::vector<std::string> children;
    {
        RegKey key = 0;
        if (const RegResult rc = store.openKey(root, path, kKeyRead, key); rc != kRegOk) return rc;
        KeyCloser closer(store, key);
        std::vector<NamedValue> values;
        if (const RegResult rc = readValues(store, key, values); rc != kRegOk) return rc;
        if (const RegResult rc = readSubKeyNames(store, key, children); rc != kRegOk) return rc;
        visit(path, values);
    }
    for (const std::string& child : children) {
        const RegResult rc = visitTree(store, root, path.empty() ? child : path + "\\" + child, visit);
        if (rc != kRegOk) return rc;
    }
    return kRegOk;
}

RegResult deleteTree(RegistryStore& store, RegKey parent, const std::string& path) {
    std::vector<std::string> children;
    {
        RegKey key = 0;
        if (const RegResult rc = store.openKey(parent, path, kKeyRead, key); rc != kRegOk) return rc;
        KeyCloser closer(store, key);
        if (const RegResult rc = readSubKeyNames(store, key, children); rc != kRegOk) return rc;
    }
    for (const std::string& child : children) {
        const RegResult rc = deleteTree(store, parent, path.empty() ? child : path + "\\" + child);
        if (rc != kRegOk) return rc;
    }
    return store.deleteKey(parent, path);
}

}  // namespace zw::platform
