#include "chords/hook_health.h"

#include <gtest/gtest.h>

namespace {

TEST(HookHealth, OnlyInputTheHookMissedCountsAsDropped)
{
    struct Check {
        const char* name;
        uint32_t input_tick;
        uint32_t seen;
        HookVerdict verdict;
    } checks[] = {
        {"the first check only records", 1000, 7, HookVerdict::quiet},
        {"no input at all", 1000, 7, HookVerdict::quiet},
        {"input the hook saw", 6000, 40, HookVerdict::busy},
        {"more input the hook saw", 7000, 41, HookVerdict::busy},
        {"input the hook missed", 9000, 41, HookVerdict::dropped},
        {"idle after that", 9000, 41, HookVerdict::quiet},
        {"events without new input (synthetic moves)", 9000, 45, HookVerdict::quiet},
        {"the tick count wrapping round", 0xFFFFFF00u, 46, HookVerdict::busy},
        {"the hook's count wrapping round", 12, 0, HookVerdict::busy},
        {"missed again after the wrap", 40, 0, HookVerdict::dropped},
    };
    HookWatch watch = {};
    for (const Check& check : checks) {
        EXPECT_EQ(judge_hook(watch, check.input_tick, check.seen), check.verdict) << check.name;
    }
    // A watch that is primed again (after an install) starts over.
    watch.primed = 0;
    EXPECT_EQ(judge_hook(watch, 50000, 0), HookVerdict::quiet);
}

TEST(HookHealth, AnIdleUserCostsNoTimerAndADroppedHookWaitsForTheButtonsToBeUp)
{
    struct Case {
        const char* name;
        HookVerdict verdict;
        bool heal_pending, may_heal, button_held;
        HookPlan plan;
    } cases[] = {
        {"idle", HookVerdict::quiet, false, true, false, {HookStep::wait_for_input, 0}},
        {"busy, hook alive", HookVerdict::busy, false, true, false, {HookStep::check_again, HOOK_BUSY_CHECK_MS}},
        {"dropped", HookVerdict::dropped, true, true, false, {HookStep::reinstall, HOOK_BUSY_CHECK_MS}},
        {"dropped during a gesture", HookVerdict::dropped, true, true, true, {HookStep::check_again, HOOK_RETRY_MS}},
        {"gesture over, idle since", HookVerdict::quiet, true, true, false, {HookStep::reinstall, HOOK_BUSY_CHECK_MS}},
        {"a launch holds it removed",
         HookVerdict::dropped,
         true,
         false,
         false,
         {HookStep::check_again, HOOK_IDLE_CHECK_MS}},
        {"a launch holds it removed, idle", HookVerdict::quiet, true, false, false, {HookStep::wait_for_input, 0}},
    };
    for (const Case& c : cases) {
        HookPlan plan = plan_hook_check(c.verdict, c.heal_pending, c.may_heal, c.button_held);
        EXPECT_EQ(plan.step, c.plan.step) << c.name;
        EXPECT_EQ(plan.period_ms, c.plan.period_ms) << c.name;
    }
}

} // namespace

TEST(HookHealth, OnlyNtSixAndLaterGetTheLowLevelHook)
{
    EXPECT_TRUE(is_vista_version(1, PLATFORM_WIN32_NT, 6));
    EXPECT_TRUE(is_vista_version(1, PLATFORM_WIN32_NT, 10));
    EXPECT_FALSE(is_vista_version(1, PLATFORM_WIN32_NT, 5));
    EXPECT_FALSE(is_vista_version(1, PLATFORM_WIN32_NT, 4));
    // Windows 9x/Me (platform 1) and Win32s (platform 0), whatever the major version.
    EXPECT_FALSE(is_vista_version(1, 1, 6));
    EXPECT_FALSE(is_vista_version(1, 0, 6));
    EXPECT_FALSE(is_vista_version(1, 3, 10));
    // A failed query counts as an earlier version.
    EXPECT_FALSE(is_vista_version(0, PLATFORM_WIN32_NT, 6));
}
