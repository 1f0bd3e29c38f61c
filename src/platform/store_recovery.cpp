#include "store_recovery.h"

#include "private_folder.h"

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <mutex>
#include <system_error>

namespace zw::platform {

namespace fs = std::filesystem;

namespace {

std::mutex& noticeMutex() {
    static std::mutex m;
    return m;
}
std::string& pendingNotice() {
    static std::string text;
    return text;
}

void tellUser(const std::string& text) {
    std::fprintf(stderr, "Zunderwerk: %s\n", text.c_str());
    std::lock_guard lock(noticeMutex());
    pendingNotice() = text;
}

std::string timestamp() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
#ifdef _WIN32
    localtime_s(&parts, &now);
#else
    localtime_r(&now, &parts);
#endif
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &parts);
    return text;
}

// Moves the store file and its write-ahead log and index beside it under a new name that no
// file has yet. Returns the new name of the store file, empty when it could not be moved.
std::string keepAside(const std::string& path) {
    const std::string stem = path + ".damaged-" + timestamp();
    std::string target = stem;
    std::error_code ec;
    for (int n = 2; fs::exists(target, ec) || fs::exists(target + "-wal", ec); ++n) target = stem + "-" + std::to_string(n);
    fs::rename(path, target, ec);
    if (ec) return {};
    for (const char* companion : {"-wal", "-shm", "-journal"}) {
        if (fs::exists(path + companion, ec)) fs::rename(path + companion, target + companion, ec);
    }
    return target;
}

std::shared_ptr<SqliteRegistryStore> memoryStore(const SqliteRegistryStore::Seed& seed) {
    return SqliteRegistryStore::open(":memory:", seed).store;
}

}  // namespace

StoreOpening openStoreFile(const std::string& path, const SqliteRegistryStore::Seed& seed,
                           WhenUnusable whenUnusable) {
    StoreOpening opening;
    std::error_code ec;
    // A folder made here holds the user's registry and nothing else: it is for the user alone.
    if (const fs::path folder = fs::path(path).parent_path(); !folder.empty() && !fs::exists(folder, ec)) {
        fs::create_directories(folder.parent_path(), ec);
        securePrivateFolder(folder.string(), true);
    }

    auto first = SqliteRegistryStore::open(path, seed);
    if (first.store) {
        opening.store = std::move(first.store);
        return opening;
    }
    if (first.status == SqliteRegistryStore::OpenStatus::Damaged) {
        opening.keptAside = keepAside(path);
        if (!opening.keptAside.empty()) {
            auto fresh = SqliteRegistryStore::open(path, seed);
            if (fresh.store) {
                opening.store = std::move(fresh.store);
                opening.notice = "Die Registrierungsdatenbank \"" + path + "\" ist beschädigt (" + first.detail +
                                 "). Sie wurde unverändert als \"" + opening.keptAside +
                                 "\" aufbewahrt; es wird eine neue Datenbank mit den Standardwerten verwendet.";
                tellUser(opening.notice);
                return opening;
            }
            first = std::move(fresh);
        }
    }
    opening.notice = "Die Registrierungsdatenbank \"" + path + "\" kann nicht geöffnet werden (" + first.detail + ").";
    if (whenUnusable == WhenUnusable::GiveUp) return opening;  // the caller reports it
    opening.store = memoryStore(seed);
    opening.notice += " Änderungen werden nur bis zum Programmende im Speicher gehalten.";
    tellUser(opening.notice);
    return opening;
}

std::string takeRegistryNotice() {
    std::lock_guard lock(noticeMutex());
    std::string text = std::move(pendingNotice());
    pendingNotice().clear();
    return text;
}

}  // namespace zw::platform
