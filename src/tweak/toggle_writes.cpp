#include "tweak/toggle_writes.h"

namespace zw {

void performWrite(const RegistryWrite& w)
{
    using Op = RegistryWrite::Operation;
    switch (w.operation) {
    case Op::SetString:
        Registry::SetStringValue(w.hive, w.key, w.value, w.text);
        break;
    case Op::SetDword:
        Registry::SetDwordValue(w.hive, w.key, w.value, w.number);
        break;
    case Op::SetBinary:
        Registry::SetBinaryValue(w.hive, w.key, w.value, w.text);
        break;
    case Op::DeleteValue:
        Registry::DeleteValue(w.hive, w.key, w.value);
        break;
    case Op::DeleteKey:
        Registry::DeleteKey(w.hive, w.key);
        break;
    }
}

void performWrites(const std::vector<RegistryWrite>& writes) noexcept
{
    for (const RegistryWrite& w : writes)
        runWriteStep([&] { performWrite(w); });
}

}  // namespace zw
