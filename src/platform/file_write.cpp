#include "file_write.h"

#include "utf8_path.h"

#ifdef _WIN32
#include <filesystem>
#include <fstream>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zw::platform {

bool writeFileNoFollow(const std::string& path, std::string_view bytes, FileWrite how, bool privateToUser) {
#ifdef _WIN32
    (void)privateToUser;  // the folder's access rules decide on Windows
    std::error_code ec;
    if (how == FileWrite::CreateNew && std::filesystem::exists(std::filesystem::symlink_status(utf8Path(path), ec)))
        return false;
    std::ofstream out(utf8Path(path), std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
#else
    // Not blocking: a pipe placed at the name must not hold the program up; it is refused below.
    const int flags = O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK | (how == FileWrite::CreateNew ? O_EXCL : O_TRUNC);
    const int fd = ::open(path.c_str(), flags, privateToUser ? 0600 : 0666);
    if (fd < 0) return false;
    // Only a regular file is written (not a device or a pipe someone placed at the name).
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    if (ok && privateToUser) ok = ::fchmod(fd, 0600) == 0;
    for (std::size_t done = 0; ok && done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        ok = n > 0;
        done += ok ? static_cast<std::size_t>(n) : 0;
    }
    return ::close(fd) == 0 && ok;
#endif
}

}  // namespace zw::platform
