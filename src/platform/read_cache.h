// What a store connection has read, kept until any process changes the store: key rows by
// folded path and values by key row and folded name, found or missing. The state poll reads
// the same few values again and again; while the shared change counter stands still, the
// answers come from here instead of the database.
#pragma once

#include "registry_store.h"
#include "shared_counter.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zw::platform {

class ReadCache {
public:
    struct Value {
        bool found = false;
        RegType type = kRegNone;
        std::vector<std::uint8_t> data;
    };

    // Uses the counter file at `path`; without it nothing is ever kept.
    void attach(const std::string& path) { enabled_ = counter_.open(path); }

    // Forgets everything when another change was committed since the last call. Returns
    // whether the cache may be used now.
    bool refresh() {
        if (!enabled_) return false;
        const std::uint64_t now = counter_.load();
        if (now != seen_ || keys_.size() + values_.size() > kLimit) {
            clear();
            seen_ = now;
        }
        return true;
    }

    // After this connection committed a change: tells every process, forgets everything.
    void changed() {
        counter_.increment();
        clear();
    }
    void clear() {
        keys_.clear();
        values_.clear();
    }

    const std::int64_t* key(const std::string& foldedPath) const {
        const auto it = keys_.find(foldedPath);
        return it == keys_.end() ? nullptr : &it->second;
    }
    void putKey(const std::string& foldedPath, std::int64_t id) { keys_[foldedPath] = id; }

    const Value* value(std::int64_t key, std::string_view foldedName) {
        valueKey(key, foldedName);
        const auto it = values_.find(scratch_);
        return it == values_.end() ? nullptr : &it->second;
    }
    const Value& putValue(std::int64_t key, std::string_view foldedName, Value v) {
        valueKey(key, foldedName);
        return values_[scratch_] = std::move(v);
    }

private:
    static constexpr std::size_t kLimit = 8192;

    void valueKey(std::int64_t key, std::string_view foldedName) {
        scratch_.assign(reinterpret_cast<const char*>(&key), sizeof key);
        scratch_.append(foldedName);
    }

    SharedCounter counter_;
    bool enabled_ = false;
    std::uint64_t seen_ = 0;
    std::unordered_map<std::string, std::int64_t> keys_;
    std::unordered_map<std::string, Value> values_;
    std::string scratch_;
};

}  // namespace zw::platform
