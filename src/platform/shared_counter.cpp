#include "shared_counter.h"

#include <atomic>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zw::platform {

static_assert(std::atomic_ref<std::uint64_t>::is_always_lock_free, "the shared counter needs lock-free atomics");

SharedCounter::~SharedCounter() {
#ifndef _WIN32
    if (value_) munmap(value_, sizeof(std::uint64_t));
#endif
}

bool SharedCounter::open(const std::string& path) {
#ifdef _WIN32
    (void)path;
    return false;  // the embedded store is not used on Windows
#else
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    struct stat info {};
    bool ok = fstat(fd, &info) == 0;
    // A new file grows to the counter's size; a shared file already has it (zero-filled).
    if (ok && info.st_size < static_cast<off_t>(sizeof(std::uint64_t)))
        ok = ftruncate(fd, sizeof(std::uint64_t)) == 0;
    void* mapped = ok ? mmap(nullptr, sizeof(std::uint64_t), PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0) : MAP_FAILED;
    ::close(fd);
    if (mapped == MAP_FAILED) return false;
    value_ = static_cast<std::uint64_t*>(mapped);
    return true;
#endif
}

std::uint64_t SharedCounter::load() const {
    return value_ ? std::atomic_ref<std::uint64_t>(*value_).load(std::memory_order_acquire) : 0;
}

void SharedCounter::increment() {
    if (value_) std::atomic_ref<std::uint64_t>(*value_).fetch_add(1, std::memory_order_acq_rel);
}

}  // namespace zw::platform
