// The embedded registry store: one SQLite file per user, shared safely by every process that
// opens it (WAL, busy waiting, one transaction per change). Keys and values are looked up by a
// case-folded copy of their names and shown in the spelling they were created with.
#pragma once

#include "registry_store.h"

#include <functional>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <unordered_map>

struct sqlite3;

namespace zw::platform {

class SqliteRegistryStore final : public RegistryStore {
public:
    enum class OpenStatus {
        Opened,    // an existing store
        Created,   // a new store (seeded when a seed was given)
        Damaged,   // the file exists but is not a readable store of ours; left untouched
        Failed,    // the file cannot be opened or created at all (folder missing, no rights)
    };
    struct OpenResult {
        std::shared_ptr<SqliteRegistryStore> store;  // set for Opened and Created
        OpenStatus status = OpenStatus::Failed;
        std::string detail;  // what SQLite said, for Damaged and Failed
    };
    // Fills a brand-new store inside the transaction that creates it.
    using Seed = std::function<RegResult(RegistryStore&)>;

    // Opens the store file at `path` (":memory:" for a private store in memory), creating and
    // seeding it when the file is new or empty.
    static OpenResult open(const std::string& path, const Seed& seed = {});

    ~SqliteRegistryStore() override;

    RegResult openKey(RegKey parent, std::string_view subKey, RegAccess access, RegKey& out) override;
    RegResult createKey(RegKey parent, std::string_view subKey, RegAccess access, RegKey& out,
                        bool* created = nullptr) override;
    RegResult closeKey(RegKey key) override;
    RegResult queryValue(RegKey key, std::string_view name, RegType* type, std::uint8_t* data,
                         std::uint32_t* size) override;
    RegResult setValue(RegKey key, std::string_view name, RegType type, const std::uint8_t* data,
                       std::uint32_t size) override;
    RegResult deleteValue(RegKey key, std::string_view name) override;
    RegResult deleteKey(RegKey parent, std::string_view subKey) override;
    RegResult enumKey(RegKey key, std::uint32_t index, std::string& name) override;
    RegResult enumValue(RegKey key, std::uint32_t index, std::string& name, RegType& type,
                        std::vector<std::uint8_t>& data) override;
    std::size_t openHandleCount() const override;
    RegResult applyAtomically(const std::function<RegResult()>& work) override;
    std::vector<std::string> dataFiles() const override;

    // Reproduces a restricted user: every open, create or change that needs a write right on
    // this root (HKEY_CLASSES_ROOT is part of HKEY_LOCAL_MACHINE) is refused with access denied.
    void setWriteDenied(RegKey root, bool denied);

    const std::string& path() const { return path_; }

private:
    struct Impl;
    explicit SqliteRegistryStore(std::unique_ptr<Impl> impl, std::string path);

    std::unique_ptr<Impl> impl_;
    std::string path_;
};

}  // namespace zw::platform
