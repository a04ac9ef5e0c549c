// Telling a dropped low-level hook from an idle user, from two counts the launcher reads
// at each check: the system's time of the last input and the events the hook has seen.
#pragma once

#include <cstdint>

struct HookWatch {
    uint32_t last_input_tick;
    uint32_t events_seen;
    int32_t primed;
};

enum class HookVerdict {
    quiet,   // no input since the last check (or the first check): nothing to tell
    busy,    // input, and the hook saw some of it; it may have been dropped since
    dropped, // input, and the hook saw none of it
};

// Records this check's counts and judges the hook by what changed since the last check.
HookVerdict judge_hook(HookWatch& watch, uint32_t last_input_tick, uint32_t events_seen);
