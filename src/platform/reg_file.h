// .reg files as Windows' registry editor reads and writes them: "Windows Registry Editor
// Version 5.00" (written as UTF-16LE with BOM, read also as UTF-8) and "REGEDIT4" (8-bit; read
// as UTF-8 when it is valid UTF-8, else as Windows-1252). Every value type, key deletion
// ([-KEY]), value deletion ("name"=-) and continued hex lines.
#pragma once

#include "registry_store.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zw::platform {

struct RegFileValue {
    std::string name;  // empty: the key's default value (@)
    bool remove = false;
    RegType type = kRegNone;
    std::vector<std::uint8_t> data;  // as the store keeps it (string types in UTF-8)
};

struct RegFileKey {
    RegKey root = 0;
    std::string path;  // below the root, without leading or trailing backslash
    bool remove = false;
    std::vector<RegFileValue> values;
    int line = 0;
};

struct RegFileParse {
    std::vector<RegFileKey> keys;
    int errorLine = 0;  // 0: the file is well-formed
    std::string error;  // what is wrong in that line (German)
    bool ok() const { return errorLine == 0; }
};

// Reads a whole file's bytes; nothing is applied.
RegFileParse parseRegFile(std::string_view bytes);

struct RegFileApply {
    RegResult result = kRegOk;
    std::string failedKey;   // the key whose change failed
    bool rolledBack = true;  // after a failure: every change made before it was taken back
};
// Applies everything or, when one change fails, nothing: a store with transactions rolls the
// whole file back; on any store the changes made so far are also undone one by one (the real
// registry has no transactions), and rolledBack tells whether that worked.
RegFileApply applyRegFile(RegistryStore& store, const std::vector<RegFileKey>& keys);

// The key root\path and everything below it as the text of a version 5 file (UTF-8, CRLF).
// Fails when the key cannot be opened or read.
RegResult exportRegText(RegistryStore& store, RegKey root, const std::string& path, std::string& text);
// That text as Windows writes the file: UTF-16LE with a byte order mark.
std::string encodeRegFile(std::string_view text);

}  // namespace zw::platform
