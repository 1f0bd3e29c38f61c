// Applying a parsed .reg file, all or nothing. Every change is logged with what it replaced,
// so that a failure part-way takes back what was already done, also on a store without
// transactions (the real registry).
#include "reg_file.h"

#include "registry_roots.h"
#include "registry_tree.h"

namespace zw::platform {

namespace {

// Changes that undo the applied ones, as file keys of their own; taken back newest first.
using UndoLog = std::vector<RegFileKey>;

RegFileKey undoStep(RegKey root, std::string path) {
    RegFileKey step;
    step.root = root;
    step.path = std::move(path);
    return step;
}

// The value `name` of an open key as it stands now: a value that puts it back, or a removal
// when there is none.
RegResult currentValue(RegistryStore& store, RegKey key, const std::string& name, RegFileValue& out) {
    out = RegFileValue{};
    out.name = name;
    std::uint32_t size = 0;
    RegResult rc = store.queryValue(key, name, &out.type, nullptr, &size);
    if (rc == kRegFileNotFound) {
        out.remove = true;
        return kRegOk;
    }
    if (rc != kRegOk) return rc;
    out.data.resize(size);
    rc = store.queryValue(key, name, &out.type, out.data.data(), &size);
    out.data.resize(size);
    return rc;
}

// root\path and everything below it, as file keys that create it again (parents first).
RegResult snapshotTree(RegistryStore& store, RegKey root, const std::string& path, UndoLog& out) {
    return visitTree(store, root, path, [&](const std::string& at, std::vector<NamedValue>& values) {
        RegFileKey step = undoStep(root, at);
        for (NamedValue& v : values) step.values.push_back({std::move(v.name), false, v.type, std::move(v.data)});
        out.push_back(std::move(step));
    });
}

bool keyExists(RegistryStore& store, RegKey root, const std::string& path) {
    RegKey key = 0;
    if (store.openKey(root, path, kKeyRead, key) != kRegOk) return false;
    store.closeKey(key);
    return true;
}

// The shortest leading part of `path` that does not exist yet; empty when the key exists.
RegResult firstMissingKey(RegistryStore& store, RegKey root, const std::string& path, std::string& missing) {
    missing.clear();
    for (std::size_t end = 0;; ++end) {
        end = path.find('\\', end);
        const std::string prefix = path.substr(0, end);
        RegKey key = 0;
        const RegResult rc = store.openKey(root, prefix, kKeyRead, key);
        if (rc == kRegFileNotFound) {
            missing = prefix;
            return kRegOk;
        }
        if (rc != kRegOk) return rc;
        store.closeKey(key);
        if (end == std::string::npos) return kRegOk;
    }
}

RegResult removeKey(RegistryStore& store, const RegFileKey& key, UndoLog* undo) {
    UndoLog tree;
    if (undo) {
        const RegResult rc = snapshotTree(store, key.root, key.path, tree);
        if (rc == kRegFileNotFound) return kRegOk;
        if (rc != kRegOk) return rc;
    }
    const RegResult rc = deleteTree(store, key.root, key.path);
    if (rc == kRegFileNotFound) return kRegOk;
    if (rc != kRegOk && undo) {
        // Part of the tree may be gone already (it goes deepest first): that part comes back.
        for (RegFileKey& step : tree) {
            if (!keyExists(store, step.root, step.path)) undo->push_back(std::move(step));
        }
    }
    if (rc != kRegOk) return rc;
    if (undo) undo->insert(undo->end(), tree.begin(), tree.end());
    return kRegOk;
}

// One key of the file; with `undo`, logs how to take back each change once it is made.
RegResult applyKey(RegistryStore& store, const RegFileKey& key, UndoLog* undo) {
    if (key.remove) return removeKey(store, key, undo);
    std::string missing;
    if (undo) {
        if (const RegResult rc = firstMissingKey(store, key.root, key.path, missing); rc != kRegOk) return rc;
    }
    RegKey handle = 0;
    if (const RegResult rc = store.createKey(key.root, key.path, kKeyAllAccess, handle); rc != kRegOk) return rc;
    KeyCloser closer(store, handle);
    if (undo && !missing.empty()) {
        // A new branch goes as a whole; its values need no log of their own.
        RegFileKey step = undoStep(key.root, missing);
        step.remove = true;
        undo->push_back(std::move(step));
        undo = nullptr;
    }
    for (const RegFileValue& value : key.values) {
        RegFileValue before;
        if (undo) {
            if (const RegResult rc = currentValue(store, handle, value.name, before); rc != kRegOk) return rc;
        }
        const RegResult rc = value.remove ? store.deleteValue(handle, value.name)
                                          : store.setValue(handle, value.name, value.type, value.data.data(),
                                                           static_cast<std::uint32_t>(value.data.size()));
        if (value.remove && rc == kRegFileNotFound) continue;
        if (rc != kRegOk) return rc;
        if (undo) {
            RegFileKey step = undoStep(key.root, key.path);
            step.values.push_back(std::move(before));
            undo->push_back(std::move(step));
        }
    }
    return kRegOk;
}

bool rollBack(RegistryStore& store, const UndoLog& undo) {
    bool all = true;
    for (auto step = undo.rbegin(); step != undo.rend(); ++step) {
        if (applyKey(store, *step, nullptr) != kRegOk) all = false;
    }
    return all;
}

}  // namespace

RegFileApply applyRegFile(RegistryStore& store, const std::vector<RegFileKey>& keys) {
    RegFileApply outcome;
    outcome.result = store.applyAtomically([&]() -> RegResult {
        UndoLog undo;
        for (const RegFileKey& key : keys) {
            if (const RegResult rc = applyKey(store, key, &undo); rc != kRegOk) {
                outcome.failedKey = std::string(rootLongName(key.root)) + (key.path.empty() ? "" : "\\" + key.path);
                outcome.rolledBack = rollBack(store, undo);
                return rc;
            }
        }
        return kRegOk;
    });
    return outcome;
}

}  // namespace zw::platform
