#include "read_file.h"

#include "platform/file_write.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace zw::online {

std::string ReadFile(const std::string& path)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        return {};
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return {};
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return std::move(bytes).str();
}

bool WriteFileBytes(const std::string& path, const std::string& bytes)
{
    // Readable by the user alone, and never through a link someone placed at the name.
    return platform::writeFileNoFollow(path, bytes, platform::FileWrite::Replace, true);
}

void Wait(long milliseconds)
{
    if (milliseconds > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
}

} // namespace zw::online
