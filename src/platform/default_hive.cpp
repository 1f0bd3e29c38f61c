#include "default_hive.h"

#include "reg_file.h"

#include <cstddef>

extern const unsigned char kDefaultHiveReg[];
extern const std::size_t kDefaultHiveRegSize;

namespace zw::platform {

std::string_view defaultHiveText() {
    return {reinterpret_cast<const char*>(kDefaultHiveReg), kDefaultHiveRegSize};
}

RegResult seedDefaultHive(RegistryStore& store) {
    const RegFileParse parsed = parseRegFile(defaultHiveText());
    // The file is checked by the tests; a broken build of it must not leave a half store.
    if (!parsed.ok()) return kRegBadDb;
    return applyRegFile(store, parsed.keys).result;
}

}  // namespace zw::platform
