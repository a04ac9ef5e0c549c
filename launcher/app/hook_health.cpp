#include "hook_health.h"

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
