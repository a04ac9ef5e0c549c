#include "chords/hook_health.h"

bool is_vista_version(int query_ok, uint32_t platform_id, uint32_t major_version)
{
    return query_ok != 0 && platform_id == PLATFORM_WIN32_NT && major_version >= 6;
}

HookVerdict judge_hook(HookWatch& watch, MouseSample mouse, uint32_t events_seen)
{
    HookVerdict verdict = HookVerdict::quiet;
    bool mouse_input = mouse.x != watch.last.x || mouse.y != watch.last.y || mouse.buttons != watch.last.buttons;
    // Events the hook saw prove it alive, also where the pointer came back to the same place
    // and the buttons were up again at both samples (clicks in one spot).
    if (watch.primed != 0 && events_seen != watch.events_seen) {
        verdict = HookVerdict::busy;
    } else if (watch.primed != 0 && mouse_input) {
        verdict = HookVerdict::dropped;
    }
    if (verdict == HookVerdict::busy) {
        watch.fruitless_reinstalls = 0;
    } else if (verdict == HookVerdict::dropped && watch.healed != 0) {
        watch.fruitless_reinstalls += 1;
    }
    if (verdict != HookVerdict::quiet) {
        watch.healed = 0;
    }
    watch.last = mouse;
    watch.events_seen = events_seen;
    watch.primed = 1;
    return verdict;
}

void note_hook_installed(HookWatch& watch, MouseSample mouse, uint32_t events_seen, bool by_check)
{
    watch.last = mouse;
    watch.events_seen = events_seen;
    watch.primed = 1;
    watch.healed = by_check ? 1 : 0;
}

HookPlan plan_hook_check(HookVerdict verdict, bool heal_pending, bool may_heal, bool button_held,
                         uint32_t fruitless_reinstalls)
{
    if (heal_pending && may_heal) {
        if (button_held) {
            return HookPlan{HookStep::check_again, HOOK_RETRY_MS};
        }
        return HookPlan{HookStep::reinstall, fruitless_reinstalls > 0 ? HOOK_BACKOFF_MS : HOOK_BUSY_CHECK_MS};
    }
    switch (verdict) {
    case HookVerdict::quiet:
        return HookPlan{HookStep::wait_for_input, 0};
    case HookVerdict::busy:
        return HookPlan{HookStep::check_again, HOOK_BUSY_CHECK_MS};
    default:
        return HookPlan{HookStep::check_again, HOOK_IDLE_CHECK_MS};
    }
}
