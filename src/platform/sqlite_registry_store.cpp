#include "sqlite_registry_store.h"

#include "name_fold.h"
#include "read_cache.h"
#include "registry_roots.h"
#include "sqlite_statement.h"

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstring>
#include <thread>
#include <vector>

namespace zw::platform {

namespace {

constexpr std::string_view kFormat = "zunderwerk-registry 1";
constexpr int kBusyTimeoutMs = 10000;  // how long a connection waits for another one's lock
constexpr std::string_view kClassesPath = "HKEY_LOCAL_MACHINE\\SOFTWARE\\CLASSES";

constexpr std::string_view kSchema = R"sql(
CREATE TABLE meta(name TEXT PRIMARY KEY, value TEXT NOT NULL) WITHOUT ROWID;
CREATE TABLE keys(
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  parent INTEGER NOT NULL,
  name TEXT NOT NULL,
  path TEXT NOT NULL UNIQUE
);
CREATE INDEX keys_by_parent ON keys(parent, path);
CREATE TABLE vals(
  key INTEGER NOT NULL,
  fold TEXT NOT NULL,
  name TEXT NOT NULL,
  type INTEGER NOT NULL,
  data BLOB NOT NULL,
  PRIMARY KEY(key, fold)
) WITHOUT ROWID;
)sql";

// Specific rights of a key (the low six bits) granted by an access mask.
RegAccess specificRights(RegAccess access, bool writeDenied) {
    constexpr RegAccess kGenericRead = 0x80000000u, kGenericWrite = 0x40000000u, kGenericAll = 0x10000000u;
    constexpr RegAccess kReadRights = kKeyQueryValue | kKeyEnumerateSubKeys | kKeyNotify;
    RegAccess rights = access & 0x3F;
    if (access & kGenericRead) rights |= kReadRights;
    if (access & kGenericWrite) rights |= kKeySetValue | kKeyCreateSubKey;
    if (access & kGenericAll) rights |= 0x3F;
    if (access & kMaximumAllowed) rights |= writeDenied ? kReadRights : 0x3F;
    return rights;
}

struct Handle {
    std::int64_t id = -1;    // row of the key
    std::string path;        // folded whole path, from the root's long name
    RegAccess rights = 0;    // specific rights granted
    std::int64_t hive = -1;  // row of the top-level root the key belongs to
};

// A subkey text split into its names: empty names (doubled or trailing backslashes) are
// skipped, as the registry's own path parser does; a leading backslash is refused.
struct SplitPath {
    std::vector<std::string_view> names;
    RegResult status = kRegOk;  // kRegInvalidParameter: a name longer than the registry allows
};

SplitPath splitSubKey(std::string_view subKey) {
    SplitPath out;
    if (!subKey.empty() && subKey.front() == '\\') {
        out.status = kRegBadPathname;
        return out;
    }
    std::size_t start = 0;
    while (start <= subKey.size()) {
        std::size_t end = subKey.find('\\', start);
        if (end == std::string_view::npos) end = subKey.size();
        const std::string_view name = subKey.substr(start, end - start);
        if (!name.empty()) {
            if (nameLength(name) > kMaxKeyNameLength) out.status = kRegInvalidParameter;
            out.names.push_back(name);
        }
        start = end + 1;
    }
    return out;
}

std::string joinFolded(std::string_view base, const std::vector<std::string_view>& names, std::size_t count) {
    std::string path(base);
    for (std::size_t i = 0; i < count; ++i) {
        path.push_back('\\');
        path += foldName(names[i]);
    }
    return path;
}

}  // namespace

struct SqliteRegistryStore::Impl {
    sqlite3* db = nullptr;
    SqliteStatement keyByPath, keyExists, insertKey, valueByName, upsertValue, removeValue, removeValues,
        removeKey, hasChild, childAt, valueAt, begin, commit, rollback;

    mutable std::recursive_mutex mutex;
    std::unordered_map<RegKey, Handle> handles;
    RegKey nextHandle = 0x100;
    int transactionDepth = 0;
    std::array<Handle, 7> roots;
    std::set<std::int64_t> deniedHives;
    ReadCache cache;

    // The statements are finalized after this body; close_v2 waits for them.
    ~Impl() { sqlite3_close_v2(db); }

    int prepareAll() {
        const std::pair<SqliteStatement*, std::string_view> all[] = {
            {&keyByPath, "SELECT id FROM keys WHERE path = ?1"},
            {&keyExists, "SELECT 1 FROM keys WHERE id = ?1"},
            {&insertKey, "INSERT INTO keys(parent, name, path) VALUES (?1, ?2, ?3)"},
            {&valueByName, "SELECT type, data FROM vals WHERE key = ?1 AND fold = ?2"},
            {&upsertValue,
             "INSERT INTO vals(key, fold, name, type, data) VALUES (?1, ?2, ?3, ?4, ?5) "
             "ON CONFLICT(key, fold) DO UPDATE SET type = excluded.type, data = excluded.data"},
            {&removeValue, "DELETE FROM vals WHERE key = ?1 AND fold = ?2"},
            {&removeValues, "DELETE FROM vals WHERE key = ?1"},
            {&removeKey, "DELETE FROM keys WHERE id = ?1"},
            {&hasChild, "SELECT 1 FROM keys WHERE parent = ?1 LIMIT 1"},
            {&childAt, "SELECT name FROM keys WHERE parent = ?1 ORDER BY path LIMIT 1 OFFSET ?2"},
            {&valueAt, "SELECT name, type, data FROM vals WHERE key = ?1 ORDER BY fold LIMIT 1 OFFSET ?2"},
            {&begin, "BEGIN IMMEDIATE"},
            {&commit, "COMMIT"},
            {&rollback, "ROLLBACK"},
        };
        for (const auto& [stmt, sql] : all) {
            if (const int rc = stmt->prepare(db, sql); rc != SQLITE_OK) return rc;
        }
        return SQLITE_OK;
    }

    bool runSimple(const SqliteStatement& s) {
        StatementUse use(s);
        return use.step() == SQLITE_DONE;
    }

    // Outside a write transaction, answers may come from the cache; inside one they must not
    // (they would include changes that might still be rolled back).
    bool cacheUsable() { return transactionDepth == 0 && cache.refresh(); }

    // The row of the key with this folded path, -1 when there is none.
    std::int64_t findKey(const std::string& foldedPath) {
        const bool cached = cacheUsable();
        if (cached) {
            if (const std::int64_t* id = cache.key(foldedPath)) return *id;
        }
        StatementUse use(keyByPath);
        use.bind(1, foldedPath);
        const int rc = use.step();
        const std::int64_t id = rc == SQLITE_ROW ? use.integer(0) : -1;
        if (cached && (rc == SQLITE_ROW || rc == SQLITE_DONE)) cache.putKey(foldedPath, id);
        return id;
    }

    bool exists(std::int64_t id) {
        StatementUse use(keyExists);
        use.bind(1, id);
        return use.step() == SQLITE_ROW;
    }

    // The handle a key value stands for: a predefined root or an open handle.
    const Handle* resolve(RegKey key) const {
        if (isRootKey(key)) return &roots[key - kHkeyClassesRoot];
        const auto it = handles.find(key);
        return it == handles.end() ? nullptr : &it->second;
    }

    bool denied(const Handle& h) const { return deniedHives.count(h.hive) != 0; }

    // Whether the key behind a handle still exists (a root always does).
    RegResult alive(const Handle& h) {
        if (h.id < 0) return kRegFileNotFound;
        return exists(h.id) ? kRegOk : kRegKeyDeleted;
    }

    // The row at `index` of an enumerating statement, handed to `take`.
    template <typename Take>
    RegResult enumerate(RegKey key, RegAccess right, const SqliteStatement& statement, std::uint32_t index,
                        Take take) {
        std::lock_guard lock(mutex);
        const Handle* h = resolve(key);
        if (!h) return kRegInvalidHandle;
        if (!(h->rights & right)) return kRegAccessDenied;
        StatementUse use(statement);
        use.bind(1, h->id).bind(2, static_cast<std::int64_t>(index));
        const int rc = use.step();
        if (rc == SQLITE_ROW) {
            take(use);
            return kRegOk;
        }
        if (rc != SQLITE_DONE) return kRegBadDb;
        const RegResult state = alive(*h);
        return state == kRegOk ? kRegNoMoreItems : state;
    }

    RegKey addHandle(Handle h) {
        const RegKey key = nextHandle;
        nextHandle += 4;
        handles.emplace(key, std::move(h));
        return key;
    }

    // The value `name` of a key: found, missing (kRegFileNotFound) or an error.
    RegResult readValue(const Handle& h, std::string_view name, const ReadCache::Value*& out) {
        const std::string folded = foldName(name);  // bound without a copy: must outlive the step
        const bool cached = cacheUsable();
        if (cached) {
            if ((out = cache.value(h.id, folded))) return out->found ? kRegOk : kRegFileNotFound;
        }
        StatementUse use(valueByName);
        use.bind(1, h.id).bind(2, folded);
        const int rc = use.step();
        ReadCache::Value v;
        if (rc == SQLITE_ROW) {
            std::size_t length = 0;
            const std::uint8_t* stored = use.blob(1, length);
            v.found = true;
            v.type = static_cast<RegType>(use.integer(0));
            v.data.assign(stored, stored + length);
        } else if (rc != SQLITE_DONE) {
            return kRegBadDb;
        } else if (const RegResult state = alive(h); state != kRegOk) {
            return state == kRegKeyDeleted ? kRegKeyDeleted : kRegFileNotFound;
        }
        if (cached) {
            out = &cache.putValue(h.id, folded, std::move(v));
        } else {
            uncached = std::move(v);
            out = &uncached;
        }
        return out->found ? kRegOk : kRegFileNotFound;
    }
    ReadCache::Value uncached;

    // Runs one change in a transaction of its own unless one is already open.
    RegResult inTransaction(const std::function<RegResult()>& work) {
        if (transactionDepth > 0) return work();
        if (!runSimple(begin)) return kRegBadDb;
        ++transactionDepth;
        RegResult result = kRegBadDb;
        try {
            result = work();
        } catch (...) {
            --transactionDepth;
            runSimple(rollback);
            throw;
        }
        --transactionDepth;
        if (result == kRegOk) {
            if (runSimple(commit)) {
                cache.changed();
                return kRegOk;
            }
            result = kRegBadDb;
        }
        runSimple(rollback);
        cache.clear();
        return result;
    }

    // Creates the key rows of a path that are missing; returns the last key's row.
    RegResult createPath(const Handle& base, const SplitPath& split, std::int64_t& id, bool& created) {
        id = base.id;
        created = false;
        std::string path = base.path;
        for (const std::string_view name : split.names) {
            path.push_back('\\');
            path += foldName(name);
            const std::int64_t found = findKey(path);
            if (found >= 0) {
                id = found;
                created = false;
                continue;
            }
            if (denied(base)) return kRegAccessDenied;
            StatementUse use(insertKey);
            use.bind(1, id).bind(2, name).bind(3, path);
            if (use.step() != SQLITE_DONE) return kRegBadDb;
            id = sqlite3_last_insert_rowid(db);
            created = true;
        }
        return kRegOk;
    }
};

SqliteRegistryStore::SqliteRegistryStore(std::unique_ptr<Impl> impl, std::string path)
    : impl_(std::move(impl)), path_(std::move(path)) {}

SqliteRegistryStore::~SqliteRegistryStore() = default;

namespace {

std::string errorText(sqlite3* db, int rc) {
    std::string text = sqlite3_errstr(rc);
    if (db && sqlite3_errmsg(db) && text != sqlite3_errmsg(db)) text += std::string(": ") + sqlite3_errmsg(db);
    return text;
}

bool isDamage(int rc) {
    const int primary = rc & 0xFF;
    return primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT || primary == SQLITE_FORMAT;
}

int exec(sqlite3* db, std::string_view sql) { return sqlite3_exec(db, std::string(sql).c_str(), nullptr, nullptr, nullptr); }

// Switches the file to the write-ahead log. While another process is creating the same new
// file, the switch finds it busy and SQLite gives up at once instead of waiting, so it is tried
// again for as long as the busy time-out allows.
int useWriteAheadLog(sqlite3* db) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kBusyTimeoutMs);
    int rc = SQLITE_OK;
    while ((rc = exec(db, "PRAGMA journal_mode=WAL")) == SQLITE_BUSY && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return rc;
}

// Creates the tables, the roots and HKEY_LOCAL_MACHINE\SOFTWARE\Classes (the rows behind
// HKEY_CLASSES_ROOT).
int createSchema(sqlite3* db) {
    if (const int rc = exec(db, kSchema); rc != SQLITE_OK) return rc;
    std::string sql = "INSERT INTO meta VALUES ('format', '" + std::string(kFormat) + "');";
    std::size_t count = 0;
    const RootName* roots = rootNames(count);
    for (std::size_t i = 1; i < count; ++i) {
        sql += "INSERT INTO keys(id, parent, name, path) VALUES (" + std::to_string(i + 1) + ", 0, '" +
               std::string(roots[i].longName) + "', '" + std::string(roots[i].longName) + "');";
    }
    sql += "INSERT INTO keys(parent, name, path) VALUES (3, 'SOFTWARE', 'HKEY_LOCAL_MACHINE\\SOFTWARE');";
    sql += "INSERT INTO keys(parent, name, path) VALUES (last_insert_rowid(), 'Classes', '" +
           std::string(kClassesPath) + "');";
    return exec(db, sql);
}

}  // namespace

SqliteRegistryStore::OpenResult SqliteRegistryStore::open(const std::string& path, const Seed& seed) {
    OpenResult result;
    auto impl = std::make_unique<Impl>();
    int rc = sqlite3_open_v2(path.c_str(), &impl->db,
                             SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    sqlite3* db = impl->db;
    auto fail = [&](int code) {
        result.status = isDamage(code) ? OpenStatus::Damaged : OpenStatus::Failed;
        result.detail = errorText(db, code);
        return result;
    };
    if (rc != SQLITE_OK) return fail(rc);
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    if ((rc = useWriteAheadLog(db)) != SQLITE_OK ||
        (rc = exec(db, "PRAGMA synchronous=NORMAL; PRAGMA cache_size=-65536; PRAGMA journal_size_limit=4194304;")) !=
            SQLITE_OK)
        return fail(rc);

    // Decide between a store of ours, a new (empty) file and anything else. Reading needs no
    // lock that would hold up other processes; only an empty file is looked at again under the
    // write lock, so that two processes starting together create the store once.
    auto countTables = [&](std::int64_t& tables) {
        SqliteStatement statement;
        if ((rc = statement.prepare(db, "SELECT count(*) FROM sqlite_schema")) != SQLITE_OK) return false;
        StatementUse use(statement);
        if ((rc = use.step()) != SQLITE_ROW) return false;
        tables = use.integer(0);
        return true;
    };
    std::int64_t tables = 0;
    if ((rc = exec(db, "BEGIN")) != SQLITE_OK) return fail(rc);
    bool counted = countTables(tables);
    if (counted && tables == 0) {
        exec(db, "ROLLBACK");
        if ((rc = exec(db, "BEGIN IMMEDIATE")) != SQLITE_OK) return fail(rc);
        counted = countTables(tables);
    }
    if (!counted) {
        exec(db, "ROLLBACK");
        return fail(rc);
    }
    const bool created = tables == 0;
    if (created) {
        if ((rc = createSchema(db)) != SQLITE_OK) {
            exec(db, "ROLLBACK");
            return fail(rc);
        }
    } else {
        SqliteStatement format;
        rc = format.prepare(db, "SELECT value FROM meta WHERE name = 'format'");
        bool ours = false;
        if (rc == SQLITE_OK) {
            StatementUse use(format);
            ours = use.step() == SQLITE_ROW && use.text(0) == kFormat;
        }
        if (!ours) {
            exec(db, "ROLLBACK");
            result.status = OpenStatus::Damaged;
            result.detail = rc == SQLITE_OK ? "not a Zunderwerk registry store" : errorText(db, rc);
            return result;
        }
        SqliteStatement check;
        if ((rc = check.prepare(db, "PRAGMA quick_check(1)")) != SQLITE_OK) {
            exec(db, "ROLLBACK");
            return fail(rc);
        }
        StatementUse use(check);
        rc = use.step();
        if (rc != SQLITE_ROW || use.text(0) != "ok") {
            result.status = OpenStatus::Damaged;
            result.detail = rc == SQLITE_ROW ? std::string(use.text(0)) : errorText(db, rc);
            exec(db, "ROLLBACK");
            return result;
        }
    }

    if ((rc = impl->prepareAll()) != SQLITE_OK) {
        exec(db, "ROLLBACK");
        return fail(rc);
    }
    // A store in memory has no other process to hear from; a file shares its change counter.
    if (path != ":memory:") impl->cache.attach(path + "-gen");
    std::size_t count = 0;
    const RootName* roots = rootNames(count);
    for (std::size_t i = 0; i < count; ++i) {
        Handle& h = impl->roots[i];
        h.rights = 0x3F;
        if (i == 0) {
            h.path = std::string(kClassesPath);
            h.id = impl->findKey(h.path);
            h.hive = 3;
        } else {
            h.path = std::string(roots[i].longName);
            h.id = static_cast<std::int64_t>(i + 1);
            h.hive = h.id;
        }
    }

    auto store = std::shared_ptr<SqliteRegistryStore>(new SqliteRegistryStore(std::move(impl), path));
    if (created && seed) {
        // The store's own transaction is open: the seed's changes join it.
        store->impl_->transactionDepth = 1;
        const RegResult seeded = seed(*store);
        store->impl_->transactionDepth = 0;
        if (seeded != kRegOk) {
            exec(db, "ROLLBACK");
            result.status = OpenStatus::Failed;
            result.detail = "the default values could not be written (error " + std::to_string(seeded) + ")";
            return result;
        }
    }
    if ((rc = exec(db, "COMMIT")) != SQLITE_OK) {
        exec(db, "ROLLBACK");
        return fail(rc);
    }
    // A commit is complete once its pages are in the write-ahead log, so a change survives the
    // end of the process that made it, even a killed one; the log reaches the disk at the next
    // checkpoint (every 1000 pages), as the registry's own lazy flush does. The last connection
    // of a store in use leaves the log for the next one instead of copying it back on close:
    // that copy cost every short-lived writer (a zwreg command) two waits for the disk. A
    // connection that failed to open closes as usual.
    sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    result.store = std::move(store);
    result.status = created ? OpenStatus::Created : OpenStatus::Opened;
    return result;
}

RegResult SqliteRegistryStore::openKey(RegKey parent, std::string_view subKey, RegAccess access, RegKey& out) {
    std::lock_guard lock(impl_->mutex);
    const Handle* base = impl_->resolve(parent);
    if (!base) return kRegInvalidHandle;
    const SplitPath split = splitSubKey(subKey);
    if (split.status != kRegOk) return split.status;
    const bool writeDenied = impl_->denied(*base);
    if (writeDenied && (specificRights(access, false) & kWriteRights) && !(access & kMaximumAllowed))
        return kRegAccessDenied;
    Handle h;
    h.hive = base->hive;
    h.rights = specificRights(access, writeDenied);
    if (split.names.empty()) {
        if (const RegResult alive = impl_->alive(*base); alive != kRegOk) return alive;
        h.id = base->id;
        h.path = base->path;
    } else {
        h.path = joinFolded(base->path, split.names, split.names.size());
        h.id = impl_->findKey(h.path);
        if (h.id < 0) return isRootKey(parent) || impl_->exists(base->id) ? kRegFileNotFound : kRegKeyDeleted;
    }
    out = impl_->addHandle(std::move(h));
    return kRegOk;
}

RegResult SqliteRegistryStore::createKey(RegKey parent, std::string_view subKey, RegAccess access, RegKey& out,
                                         bool* created) {
    std::lock_guard lock(impl_->mutex);
    const Handle* found = impl_->resolve(parent);
    if (!found) return kRegInvalidHandle;
    const Handle base = *found;
    const SplitPath split = splitSubKey(subKey);
    if (split.status != kRegOk) return split.status;
    // The registry's tree has a depth limit; without one a single long path would make rows
    // whose stored paths grow with the square of its length.
    const auto baseDepth = static_cast<std::size_t>(std::count(base.path.begin(), base.path.end(), '\\'));
    if (baseDepth + split.names.size() > kMaxKeyDepth) return kRegInvalidParameter;
    const bool writeDenied = impl_->denied(base);
    if (writeDenied && (specificRights(access, false) & kWriteRights) && !(access & kMaximumAllowed))
        return kRegAccessDenied;
    std::int64_t id = -1;
    bool made = false;
    const RegResult rc = impl_->inTransaction([&]() -> RegResult {
        if (const RegResult alive = impl_->alive(base); alive != kRegOk) return alive;
        // Creating needs the right to create subkeys on the parent; opening what exists does not.
        const std::int64_t existing = impl_->findKey(joinFolded(base.path, split.names, split.names.size()));
        if (existing >= 0) {
            id = existing;
            return kRegOk;
        }
        if (!(base.rights & kKeyCreateSubKey)) return kRegAccessDenied;
        return impl_->createPath(base, split, id, made);
    });
    if (rc != kRegOk) return rc;
    Handle h;
    h.id = id;
    h.path = joinFolded(base.path, split.names, split.names.size());
    h.hive = base.hive;
    h.rights = specificRights(access, writeDenied);
    out = impl_->addHandle(std::move(h));
    if (created) *created = made;
    return kRegOk;
}

RegResult SqliteRegistryStore::closeKey(RegKey key) {
    std::lock_guard lock(impl_->mutex);
    if (isRootKey(key)) return kRegOk;
    return impl_->handles.erase(key) ? kRegOk : kRegInvalidHandle;
}

RegResult SqliteRegistryStore::queryValue(RegKey key, std::string_view name, RegType* type, std::uint8_t* data,
                                          std::uint32_t* size) {
    std::lock_guard lock(impl_->mutex);
    const Handle* h = impl_->resolve(key);
    if (!h) return kRegInvalidHandle;
    if (!(h->rights & kKeyQueryValue)) return kRegAccessDenied;
    if (data && !size) return kRegInvalidParameter;
    const ReadCache::Value* row = nullptr;
    if (const RegResult rc = impl_->readValue(*h, name, row); rc != kRegOk) return rc;
    const std::size_t length = row->data.size();
    const std::uint8_t* stored = row->data.data();
    if (type) *type = row->type;
    RegResult result = kRegOk;
    if (data) {
        if (*size < length) result = kRegMoreData;
        else if (length) std::memcpy(data, stored, length);
    }
    if (size) *size = static_cast<std::uint32_t>(length);
    return result;
}

RegResult SqliteRegistryStore::setValue(RegKey key, std::string_view name, RegType type, const std::uint8_t* data,
                                        std::uint32_t size) {
    std::lock_guard lock(impl_->mutex);
    const Handle* found = impl_->resolve(key);
    if (!found) return kRegInvalidHandle;
    const Handle h = *found;
    if (!(h.rights & kKeySetValue) || impl_->denied(h)) return kRegAccessDenied;
    if (size && !data) return kRegInvalidParameter;
    if (nameLength(name) > kMaxValueNameLength) return kRegInvalidParameter;
    return impl_->inTransaction([&]() -> RegResult {
        if (const RegResult alive = impl_->alive(h); alive != kRegOk) return alive;
        StatementUse use(impl_->upsertValue);
        const std::string folded = foldName(name);
        use.bind(1, h.id).bind(2, folded).bind(3, name).bind(4, static_cast<std::int64_t>(type)).bindBlob(5, data, size);
        return use.step() == SQLITE_DONE ? kRegOk : kRegBadDb;
    });
}

RegResult SqliteRegistryStore::deleteValue(RegKey key, std::string_view name) {
    std::lock_guard lock(impl_->mutex);
    const Handle* found = impl_->resolve(key);
    if (!found) return kRegInvalidHandle;
    const Handle h = *found;
    if (!(h.rights & kKeySetValue) || impl_->denied(h)) return kRegAccessDenied;
    return impl_->inTransaction([&]() -> RegResult {
        if (const RegResult alive = impl_->alive(h); alive != kRegOk) return alive;
        StatementUse use(impl_->removeValue);
        const std::string folded = foldName(name);
        use.bind(1, h.id).bind(2, folded);
        if (use.step() != SQLITE_DONE) return kRegBadDb;
        return sqlite3_changes(impl_->db) ? kRegOk : kRegFileNotFound;
    });
}

RegResult SqliteRegistryStore::deleteKey(RegKey parent, std::string_view subKey) {
    std::lock_guard lock(impl_->mutex);
    const Handle* found = impl_->resolve(parent);
    if (!found) return kRegInvalidHandle;
    const Handle base = *found;
    const SplitPath split = splitSubKey(subKey);
    if (split.status != kRegOk) return split.status;
    // The registry's tree has a depth limit; without one a single long path would make rows
    // whose stored paths grow with the square of its length.
    const auto baseDepth = static_cast<std::size_t>(std::count(base.path.begin(), base.path.end(), '\\'));
    if (baseDepth + split.names.size() > kMaxKeyDepth) return kRegInvalidParameter;
    if (impl_->denied(base)) return kRegAccessDenied;
    return impl_->inTransaction([&]() -> RegResult {
        std::int64_t id = base.id;
        if (split.names.empty()) {
            if (const RegResult alive = impl_->alive(base); alive != kRegOk) return alive;
        } else {
            id = impl_->findKey(joinFolded(base.path, split.names, split.names.size()));
            if (id < 0) return kRegFileNotFound;
        }
        // The roots and the key behind HKEY_CLASSES_ROOT stay.
        for (const Handle& root : impl_->roots) {
            if (root.id == id) return kRegAccessDenied;
        }
        {
            StatementUse use(impl_->hasChild);
            use.bind(1, id);
            if (use.step() == SQLITE_ROW) return kRegAccessDenied;
        }
        {
            StatementUse use(impl_->removeValues);
            use.bind(1, id);
            if (use.step() != SQLITE_DONE) return kRegBadDb;
        }
        StatementUse use(impl_->removeKey);
        use.bind(1, id);
        return use.step() == SQLITE_DONE ? kRegOk : kRegBadDb;
    });
}

RegResult SqliteRegistryStore::enumKey(RegKey key, std::uint32_t index, std::string& name) {
    return impl_->enumerate(key, kKeyEnumerateSubKeys, impl_->childAt, index,
                            [&](const StatementUse& row) { name.assign(row.text(0)); });
}

RegResult SqliteRegistryStore::enumValue(RegKey key, std::uint32_t index, std::string& name, RegType& type,
                                         std::vector<std::uint8_t>& data) {
    return impl_->enumerate(key, kKeyQueryValue, impl_->valueAt, index, [&](const StatementUse& row) {
        name.assign(row.text(0));
        type = static_cast<RegType>(row.integer(1));
        std::size_t length = 0;
        const std::uint8_t* stored = row.blob(2, length);
        data.assign(stored, stored + length);
    });
}

std::size_t SqliteRegistryStore::openHandleCount() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->handles.size();
}

RegResult SqliteRegistryStore::applyAtomically(const std::function<RegResult()>& work) {
    std::lock_guard lock(impl_->mutex);
    return impl_->inTransaction(work);
}

std::vector<std::string> SqliteRegistryStore::dataFiles() const {
    if (path_.empty() || path_ == ":memory:") return {};
    return {path_, path_ + "-wal", path_ + "-shm", path_ + "-journal", path_ + "-gen"};
}

void SqliteRegistryStore::setWriteDenied(RegKey root, bool denied) {
    std::lock_guard lock(impl_->mutex);
    const Handle* h = isRootKey(root) ? impl_->resolve(root) : nullptr;
    if (!h) return;
    if (denied) impl_->deniedHives.insert(h->hive);
    else impl_->deniedHives.erase(h->hive);
}

}  // namespace zw::platform
