// A counter that every process opening the same store file shares (a small memory-mapped file
// beside it). Writers count up after each change they commit; readers compare it with what
// they saw last to know, without asking the database, whether anything changed since.
#pragma once

#include <cstdint>
#include <string>

namespace zw::platform {

class SharedCounter {
public:
    SharedCounter() = default;
    ~SharedCounter();
    SharedCounter(const SharedCounter&) = delete;
    SharedCounter& operator=(const SharedCounter&) = delete;

    // Maps the counter file, creating it when missing. False (and the counter stays unusable)
    // when that is not possible; callers then do without it.
    bool open(const std::string& path);
    bool valid() const { return value_ != nullptr; }

    std::uint64_t load() const;
    void increment();

private:
    std::uint64_t* value_ = nullptr;
};

}  // namespace zw::platform
