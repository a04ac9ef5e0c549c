// Telling a dropped low-level hook from an idle user, from two counts the launcher reads
// at each check: the system's time of the last input and the events the hook has seen.
#pragma once

#include <cstdint>

struct HookWatch {
    uint32_t last_input_tick;
    uint32_t events_seen;
    int32_t primed;
};

// Records this check's counts and says whether the hook looks dropped: input reached the
// system since the previous check, yet the hook saw none of it. The first check of a
// watch only records.
bool hook_seems_dropped(HookWatch& watch, uint32_t last_input_tick, uint32_t events_seen);
