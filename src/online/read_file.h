#pragma once
// The two small file and time routines the online windows share.

#include <string>

namespace zw::online {

// All bytes of the file, or the empty text when no file of that name exists (or it cannot
// be read).
std::string ReadFile(const std::string& path);

// Writes the bytes to the file from its start, replacing what was there. Off Windows the file
// is private to the user and a symbolic link at its name is refused. False on failure.
bool WriteFileBytes(const std::string& path, const std::string& bytes);

// Blocks the calling thread for the given time without handling any window messages.
void Wait(long milliseconds);

} // namespace zw::online
