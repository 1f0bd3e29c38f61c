// What the concurrent writer writes, shared by the writer process and the test that checks
// the window beside it. Write i (1, 2, ...) is one transaction: the balloon-tips value the
// toggle window polls gets the value of the current phase, and the journal key gets a value
// named i holding i, so that every acknowledged write can be found again afterwards.
#pragma once

#include "tweak/registry_toggle.h"

#include <cstdint>
#include <optional>
#include <string>

namespace zw::test::concurrent {

inline constexpr HiveCode kHive = 1;  // HKEY_CURRENT_USER
inline constexpr const char* kProbeKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
inline constexpr const char* kProbeValue = "EnableBalloonTips";
inline constexpr const char* kJournalKey = "Software\\Zunderwerk\\ConcurrentJournal";
inline constexpr int kWritesPerSecond = 1000;
// Writes per phase: 40 ms, a few poll periods, so the window must follow every phase.
inline constexpr int kPhaseWrites = 40;

struct ProbeWrite {
    enum class Kind { Dword, Text, Delete };
    Kind kind;
    std::uint32_t number;
    const char* text;
    std::optional<ToggleState> shows;  // what the balloon-tips window shows for it; none: keeps its buttons
};

// One round of phases: both states, values that match no entry, a text where a number is
// looked for, a missing value, and a state given by a text rather than a DWORD.
inline constexpr ProbeWrite kPhases[] = {
    {ProbeWrite::Kind::Dword, 0, "", ToggleState::Applied},
    {ProbeWrite::Kind::Dword, 2, "", std::nullopt},
    {ProbeWrite::Kind::Dword, 1, "", ToggleState::Default},
    {ProbeWrite::Kind::Delete, 0, "", std::nullopt},
    {ProbeWrite::Kind::Dword, 0, "", ToggleState::Applied},
    {ProbeWrite::Kind::Text, 0, "x", std::nullopt},
    {ProbeWrite::Kind::Dword, 1, "", ToggleState::Default},
    {ProbeWrite::Kind::Text, 0, "0", ToggleState::Applied},
    {ProbeWrite::Kind::Dword, 7, "", std::nullopt},
    {ProbeWrite::Kind::Dword, 1, "", ToggleState::Default},
};
inline constexpr int kPhaseCount = static_cast<int>(sizeof kPhases / sizeof kPhases[0]);

inline const ProbeWrite& probeWrite(long write) { return kPhases[((write - 1) / kPhaseWrites) % kPhaseCount]; }

// The text GetValueText reads after `write`.
inline std::string probeText(long write)
{
    const ProbeWrite& w = probeWrite(write);
    switch (w.kind) {
    case ProbeWrite::Kind::Dword:
        return std::to_string(w.number);
    case ProbeWrite::Kind::Text:
        return w.text;
    case ProbeWrite::Kind::Delete:
        break;
    }
    return {};
}

// The state the window shows once `last` was the last write: that of the latest phase that
// decides one (none before the first).
inline std::optional<ToggleState> shownAfter(long last)
{
    for (long write = last; write >= 1; write -= kPhaseWrites) {
        if (probeWrite(write).shows)
            return probeWrite(write).shows;
    }
    return std::nullopt;
}

}  // namespace zw::test::concurrent
