#include "hook_health.h"

bool hook_seems_dropped(HookWatch& watch, uint32_t last_input_tick, uint32_t events_seen)
{
    bool dropped = watch.primed != 0 && last_input_tick != watch.last_input_tick && events_seen == watch.events_seen;
    watch.last_input_tick = last_input_tick;
    watch.events_seen = events_seen;
    watch.primed = 1;
    return dropped;
}
