// The hook's health, free of the system: which hook a Windows version gets, and telling a
// dropped low-level hook from an idle user, from two counts the launcher reads at each
// check: the system's time of the last input and the events the hook has seen.
#pragma once

#include <cstdint>

constexpr uint32_t PLATFORM_WIN32_NT = 2;

// True for Windows NT 6.0 (Vista) and later: those get the low-level hook. A failed
// version query (query_ok 0) counts as an earlier version.
bool is_vista_version(int query_ok, uint32_t platform_id, uint32_t major_version);

// Where the pointer is and which buttons are down, sampled at each check: mouse input
// changes it, keys do not. (The system's last-input time counts keys too, which the mouse
// hook never sees.)
struct MouseSample {
    int32_t x;
    int32_t y;
    uint32_t buttons;
};

struct HookWatch {
    MouseSample last;
    uint32_t events_seen;
    int32_t primed;
    // The check put the hook back since the last check that saw mouse input.
    int32_t healed;
    // Reinstalls in a row after which the hook still saw none of the mouse's input (a window
    // of higher integrity in front shows a hook none of its input).
    uint32_t fruitless_reinstalls;
};

enum class HookVerdict {
    quiet,   // no mouse input since the last check (or the first check): nothing to tell
    busy,    // mouse input, and the hook saw some of it; it may have been dropped since
    dropped, // mouse input, and the hook saw none of it
};

// Records this check's counts and judges the hook by what changed since the last check.
HookVerdict judge_hook(HookWatch& watch, MouseSample mouse, uint32_t events_seen);

// A new hook: judged from now on (mouse input before it is none of its business). by_check:
// the check put it back after finding it dropped, so that a next check that finds it blind
// again tells a reinstall that brought nothing back.
void note_hook_installed(HookWatch& watch, MouseSample mouse, uint32_t events_seen, bool by_check);

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
// How often a reinstall is tried again while reinstalls bring no events back.
constexpr uint32_t HOOK_BACKOFF_MS = 60000;

// The next step after a check. heal_pending: a dropped hook has been found and not yet put
// back; may_heal: the launcher holds the hook (no launch keeps it removed); button_held: a
// gesture is in progress, whose flags a reinstall would lose; fruitless_reinstalls: the
// reinstalls in a row that brought no events back, after which the next waits a minute. An
// idle user needs no check: the first mouse input wakes the watch again.
HookPlan plan_hook_check(HookVerdict verdict, bool heal_pending, bool may_heal, bool button_held,
                         uint32_t fruitless_reinstalls);
