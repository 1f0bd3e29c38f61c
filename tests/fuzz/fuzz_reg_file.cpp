// The .reg importer: any file bytes are read; a file that reads well names only the
// predefined roots, is applied to a store in memory, and what it created exports to a file
// that reads well again.
#include "fuzz_check.h"
#include "reg_file.h"
#include "sqlite_registry_store.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

using namespace zw::platform;

namespace {

std::shared_ptr<SqliteRegistryStore>& store() {
    static std::shared_ptr<SqliteRegistryStore> s;
    static int uses = 0;
    // A fresh store now and then keeps the memory of a long run flat.
    if (!s || ++uses % 500 == 0) {
        s.reset();
        s = SqliteRegistryStore::open(":memory:").store;
    }
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const RegFileParse parse = parseRegFile(bytes);
    if (!parse.ok()) {
        FUZZ_CHECK(!parse.error.empty());
        return 0;
    }
    for (const RegFileKey& key : parse.keys) {
        FUZZ_CHECK(isRootKey(key.root));
    }

    auto& s = store();
    FUZZ_CHECK(s != nullptr);
    const RegFileApply applied = applyRegFile(*s, parse.keys);
    FUZZ_CHECK(s->openHandleCount() == 0);
    if (applied.result != kRegOk) return 0;

    for (const RegFileKey& key : parse.keys) {
        if (key.remove || key.path.empty()) continue;
        std::string text;
        if (exportRegText(*s, key.root, key.path, text) != kRegOk) continue;
        const RegFileParse again = parseRegFile(encodeRegFile(text));
        if (!again.ok()) {
            std::fprintf(stderr, "export does not read back (line %d: %s):\n", again.errorLine, again.error.c_str());
            std::fwrite(text.data(), 1, text.size(), stderr);
        }
        FUZZ_CHECK(again.ok());
        break;  // one export per input keeps the run fast
    }
    FUZZ_CHECK(s->openHandleCount() == 0);
    return 0;
}
