// Writing a whole file by name without ever writing through a symbolic link that someone placed
// at that name. Plain C++.
#pragma once

#include <string>
#include <string_view>

namespace zw::platform {

enum class FileWrite {
    Replace,    // an existing file is emptied and rewritten; a missing one is created
    CreateNew,  // fails when anything at all (a link included) already has the name
};

// Writes `bytes` to `path`. A symbolic link at the name is refused, not followed. With
// `privateToUser` the file is readable and writable by the user alone, also when it existed
// before; otherwise a new file gets the usual mode (the umask applies). False on any failure.
bool writeFileNoFollow(const std::string& path, std::string_view bytes, FileWrite how, bool privateToUser);

}  // namespace zw::platform
