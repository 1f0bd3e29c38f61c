#include "private_folder.h"

#ifdef _WIN32
#include "utf8_path.h"
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zw::platform {

std::string FolderCheck::problem() const {
    const std::string quoted = "\"" + folder + "\"";
    constexpr const char* kNothingStored = " Aus Sicherheitsgründen legt Zunderwerk dort keine Dateien ab.";
    switch (state) {
    case FolderState::Private:
    case FolderState::Created:
    case FolderState::Tightened:
        return {};
    case FolderState::Missing:
        return "Der Ordner " + quoted + " ist nicht vorhanden.";
    case FolderState::Link:
        return "Der Ordner " + quoted + " ist ein Verweis auf einen anderen Ort." + kNothingStored;
    case FolderState::ForeignOwner:
        return "Der Ordner " + quoted + " gehört einem anderen Benutzer." + kNothingStored;
    case FolderState::NotAFolder:
        return quoted + " ist kein Ordner." + kNothingStored;
    case FolderState::Failed:
        break;
    }
    return "Der Ordner " + quoted + " kann nicht angelegt oder geprüft werden.";
}

FolderCheck securePrivateFolder(const std::string& path, bool create) {
    FolderCheck check;
    check.folder = path;
#ifdef _WIN32
    std::error_code error;
    if (create) std::filesystem::create_directory(utf8Path(path), error);
    check.state = std::filesystem::is_directory(utf8Path(path), error) ? FolderState::Private : FolderState::Missing;
    return check;
#else
    bool created = false;
    if (create && ::mkdir(path.c_str(), 0700) == 0) created = true;
    // The folder itself is opened, never a link at its name, and every check and change below
    // is made on that one opened folder, so it cannot be swapped in between.
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0) {
            check.state = error == ENOENT ? FolderState::Missing : FolderState::Failed;
        } else if (S_ISLNK(info.st_mode)) {
            check.state = FolderState::Link;
        } else if (!S_ISDIR(info.st_mode)) {
            check.state = FolderState::NotAFolder;
        }
        return check;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        ::close(fd);
        return check;
    }
    if (info.st_uid != ::geteuid()) {
        check.state = FolderState::ForeignOwner;
    } else if ((info.st_mode & 07777) != 0700) {
        const bool othersHadAccess = (info.st_mode & 077) != 0;
        if (::fchmod(fd, 0700) == 0) {
            check.state = created ? FolderState::Created
                                  : othersHadAccess ? FolderState::Tightened : FolderState::Private;
        }
    } else {
        check.state = created ? FolderState::Created : FolderState::Private;
    }
    ::close(fd);
    return check;
#endif
}

FolderCheck securePrivateFolders(const std::vector<std::string>& chain, bool create) {
    FolderCheck last;
    for (const std::string& folder : chain) {
        last = securePrivateFolder(folder, create);
        if (!last.usable()) return last;
    }
    return last;
}

}  // namespace zw::platform
