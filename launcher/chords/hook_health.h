// The hook's health, free of the system: which hook a Windows version gets, and telling a
// dropped low-level hook from an idle user, from two counts the launcher reads at each
// check: the system's time of the last input and the events the hook has seen.
#pragma once

#include <cstdint>

constexpr uint32_t PLATFORM_WIN32_NT = 2;

// True for Windows NT 6.0 (Vista) and later: those get the low-level hook. A failed
// version query (query_ok 0) counts as an earlier version.
bool is_vista_version(int query_ok, uint32_t platform_id, uint32_t major_version);

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

// What the check does next.
enum class HookStep {
    check_again,    // look again after the period
    reinstall,      // put the hook back, then look again after the period
    wait_for_input, // nothing to watch until the user does something: no timer at all
};

struct HookPlan {
    HookStep step;
    uint32_t period_ms;
};

constexpr uint32_t HOOK_IDLE_CHECK_MS = 5000;
constexpr uint32_t HOOK_BUSY_CHECK_MS = 1000;
constexpr uint32_t HOOK_RETRY_MS = 250;

// The next step after a check. heal_pending: a dropped hook has been found and not yet put
// back; may_heal: the launcher holds the hook (no launch keeps it removed); button_held: a
// gesture is in progress, whose flags a reinstall would lose. An idle user needs no check:
// the first input wakes the watch again.
HookPlan plan_hook_check(HookVerdict verdict, bool heal_pending, bool may_heal, bool button_held);
