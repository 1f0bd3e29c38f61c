#include "tuning/disc_cache.h"

namespace zw {

namespace {

ChoiceSetting build()
{
    const Probe limit{2, "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management", "IoPageLockLimit"};
    // The values follow no formula: they are this table.
    const struct {
        const char* caption;
        std::int32_t value;
    } rows[] = {
        {"64 MB", 8192},    {"128 MB", 16384},  {"192 MB", 24576},  //
        {"256 MB", 65536},  {"320 MB", 73728},  {"398 MB", 81920},  //
        {"512 MB", 131072}, {"768 MB", 196608}, {"1024 MB", 262144},
    };

    ChoiceSetting setting{limit, {}};
    int number = 1;
    for (const auto& row : rows)
        setting.buttons.push_back({"Command" + std::to_string(number++), row.caption, setDword(limit, row.value),
                                   numberIs(row.value, ToggleState::Applied)});
    return setting;
}

}  // namespace

const ChoiceSetting& discCacheSetting()
{
    static const ChoiceSetting setting = build();
    return setting;
}

}  // namespace zw
