#include "chords/hook_health.h"

#include <gtest/gtest.h>

namespace {

TEST(HookHealth, OnlyMouseInputTheHookMissedCountsAsDropped)
{
    struct Check {
        const char* name;
        MouseSample mouse;
        uint32_t seen;
        HookVerdict verdict;
    } checks[] = {
        {"the first check only records", {100, 100, 0}, 7, HookVerdict::quiet},
        {"no input at all", {100, 100, 0}, 7, HookVerdict::quiet},
        {"moves the hook saw", {300, 200, 0}, 40, HookVerdict::busy},
        {"a press the hook saw", {300, 200, 1}, 41, HookVerdict::busy},
        {"a move the hook missed", {310, 200, 1}, 41, HookVerdict::dropped},
        {"idle after that", {310, 200, 1}, 41, HookVerdict::quiet},
        {"events with the pointer and buttons as they were (clicks in one spot)", {310, 200, 1}, 45,
         HookVerdict::busy},
        {"a move to the screen's corner", {0, 0, 0}, 46, HookVerdict::busy},
        {"the hook's count wrapping round", {5, 0, 0}, 0, HookVerdict::busy},
        {"missed again after the wrap", {5, 9, 0}, 0, HookVerdict::dropped},
        {"a release alone the hook missed", {5, 9, 4}, 0, HookVerdict::dropped},
    };
    HookWatch watch = {};
    for (const Check& check : checks) {
        EXPECT_EQ(judge_hook(watch, check.mouse, check.seen), check.verdict) << check.name;
    }
    // A watch that is primed again (after an install) starts over.
    watch.primed = 0;
    EXPECT_EQ(judge_hook(watch, MouseSample{1, 1, 0}, 0), HookVerdict::quiet);
}

// Ten seconds of typing with the mouse still, then an elevated window in front: the hook sees
// none of the mouse's input there. Keys never make the hook look dead; a reinstall that brings
// no events back is tried again once a minute, until the hook sees events again.
TEST(HookHealth, KeysNeverCountAndFruitlessReinstallsBackOffToOnceAMinute)
{
    struct Step {
        const char* name;
        MouseSample mouse;
        uint32_t seen;
        HookVerdict verdict;
        HookStep step;
        uint32_t period_ms;
    } steps[] = {
        {"typing, the pointer still", {50, 50, 0}, 10, HookVerdict::quiet, HookStep::wait_for_input, 0},
        {"more typing", {50, 50, 0}, 10, HookVerdict::quiet, HookStep::wait_for_input, 0},
        {"moves, none seen since start-up: put back at once",
         {55, 50, 0},
         10,
         HookVerdict::dropped,
         HookStep::reinstall,
         HOOK_BUSY_CHECK_MS},
        {"an elevated window in front: still nothing",
         {60, 50, 0},
         10,
         HookVerdict::dropped,
         HookStep::reinstall,
         HOOK_BACKOFF_MS},
        {"a minute later, still nothing", {80, 50, 0}, 10, HookVerdict::dropped, HookStep::reinstall, HOOK_BACKOFF_MS},
        {"the elevated window gone: events again",
         {90, 50, 0},
         30,
         HookVerdict::busy,
         HookStep::check_again,
         HOOK_BUSY_CHECK_MS},
        {"dropped once more: healed at once",
         {95, 50, 0},
         30,
         HookVerdict::dropped,
         HookStep::reinstall,
         HOOK_BUSY_CHECK_MS},
        {"clicks where the pointer already was: the healed hook saw them",
         {95, 50, 0},
         36,
         HookVerdict::busy,
         HookStep::check_again,
         HOOK_BUSY_CHECK_MS},
        {"dropped after a heal that worked: healed at once",
         {99, 50, 0},
         36,
         HookVerdict::dropped,
         HookStep::reinstall,
         HOOK_BUSY_CHECK_MS},
    };
    HookWatch watch = {};
    note_hook_installed(watch, MouseSample{50, 50, 0}, 10, false);
    for (const Step& step : steps) {
        HookVerdict verdict = judge_hook(watch, step.mouse, step.seen);
        HookPlan plan =
            plan_hook_check(verdict, verdict == HookVerdict::dropped, true, false, watch.fruitless_reinstalls);
        EXPECT_EQ(verdict, step.verdict) << step.name;
        EXPECT_EQ(plan.step, step.step) << step.name;
        EXPECT_EQ(plan.period_ms, step.period_ms) << step.name;
        if (plan.step == HookStep::reinstall) {
            note_hook_installed(watch, step.mouse, step.seen, true);
        }
    }
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
        HookPlan plan = plan_hook_check(c.verdict, c.heal_pending, c.may_heal, c.button_held, 0);
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
