#include "chords/hook_health.h"

bool is_vista_version(int query_ok, uint32_t platform_id, uint32_t major_version)
{
    return query_ok != 0 && platform_id == PLATFORM_WIN32_NT && major_version >= 6;
}

HookVerdict judge_hook(HookWatch& watch, uint32_t last_input_tick, uint32_t events_seen)
{
    HookVerdict verdict = HookVerdict::quiet;
    if (watch.primed != 0 && last_input_tick != watch.last_input_tick) {
        verdict = events_seen == watch.events_seen ? HookVerdict::dropped : HookVerdict::busy;
    }
    watch.last_input_tick = last_input_tick;
    watch.events_seen = events_seen;
    watch.primed = 1;
    return verdict;
}

HookPlan plan_hook_check(HookVerdict verdict, bool heal_pending, bool may_heal, bool button_held)
{
    if (heal_pending && may_heal) {
        return button_held ? HookPlan{HookStep::check_again, HOOK_RETRY_MS}
                           : HookPlan{HookStep::reinstall, HOOK_BUSY_CHECK_MS};
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
