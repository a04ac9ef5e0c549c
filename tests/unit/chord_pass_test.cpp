// Which programs keep their chords: the full-screen decision and the program-name cache.
#include <gtest/gtest.h>

#include <string>

#include "chords/chord_pass.h"

namespace {

constexpr ScreenArea MONITOR = {0, 0, 1280, 1024};
constexpr ScreenArea SECOND_MONITOR = {1280, 0, 3200, 1080};

TEST(FullScreen, TheSystemsWordOrAWindowCoveringItsWholeMonitorOtherThanTheShell)
{
    struct {
        const char* why;
        Foreground foreground;
        bool full_screen;
    } cases[] = {
        {"a normal window", {NOTIFICATION_ACCEPTS, 1, 0, {100, 100, 700, 500}, MONITOR, 0}, false},
        {"covers the monitor", {NOTIFICATION_ACCEPTS, 1, 0, MONITOR, MONITOR, 0}, true},
        {"larger than its monitor, not maximised",
         {NOTIFICATION_ACCEPTS, 1, 0, {-8, -8, 1288, 1032}, MONITOR, 0},
         true},
        {"maximised with a caption where the taskbar hides",
         {NOTIFICATION_ACCEPTS, 1, 0, {-8, -8, 1288, 1032}, MONITOR, 1},
         false},
        {"maximised without a caption (a borderless game)", {NOTIFICATION_ACCEPTS, 1, 0, MONITOR, MONITOR, 0}, true},
        {"the work area only", {NOTIFICATION_ACCEPTS, 1, 0, {0, 0, 1280, 994}, MONITOR, 0}, false},
        {"one pixel short on the right", {NOTIFICATION_ACCEPTS, 1, 0, {0, 0, 1279, 1024}, MONITOR, 0}, false},
        {"covers the second monitor", {0, 1, 0, SECOND_MONITOR, SECOND_MONITOR, 0}, true},
        {"the first monitor's size on the second", {0, 1, 0, MONITOR, SECOND_MONITOR, 0}, false},
        {"the desktop", {NOTIFICATION_ACCEPTS, 1, 1, MONITOR, MONITOR, 0}, false},
        {"no foreground window", {NOTIFICATION_ACCEPTS, 0, 0, MONITOR, MONITOR, 0}, false},
        {"a monitor of no size", {0, 1, 0, {0, 0, 0, 0}, {0, 0, 0, 0}, 0}, false},
        {"busy alone, no window in front", {NOTIFICATION_BUSY, 0, 0, {}, {}, 0}, false},
        {"busy over a normal window", {NOTIFICATION_BUSY, 1, 0, {100, 100, 700, 500}, MONITOR, 0}, false},
        {"busy over the desktop", {NOTIFICATION_BUSY, 1, 1, MONITOR, MONITOR, 0}, false},
        {"busy over a covering window", {NOTIFICATION_BUSY, 1, 0, MONITOR, MONITOR, 0}, true},
        {"busy over a maximised captioned window", {NOTIFICATION_BUSY, 1, 0, {-8, -8, 1288, 1032}, MONITOR, 1}, true},
        {"Direct3D full screen", {NOTIFICATION_D3D_FULL_SCREEN, 1, 1, {}, MONITOR, 0}, true},
        {"presentation", {NOTIFICATION_PRESENTATION_MODE, 1, 0, {1, 1, 2, 2}, MONITOR, 0}, true},
        {"quiet time", {NOTIFICATION_QUIET_TIME, 1, 0, {1, 1, 2, 2}, MONITOR, 0}, false},
        {"not present", {NOTIFICATION_NOT_PRESENT, 1, 0, {1, 1, 2, 2}, MONITOR, 0}, false},
        {"an app in Windows 8 style", {NOTIFICATION_APP, 1, 0, {1, 1, 2, 2}, MONITOR, 0}, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(full_screen_in_front(c.foreground), c.full_screen) << c.why;
    }
}

TEST(ProgramNameCache, AWindowSeenBeforeCostsNoLookupUntilEightOthersFollowedIt)
{
    ProgramNameCache cache = {};
    EXPECT_EQ(cached_program_name(cache, 0, 0), nullptr);
    EXPECT_EQ(cached_program_name(cache, 0x10, 7), nullptr);
    EXPECT_STREQ(remember_program_name(cache, 0x10, 7, "C:\\Program Files\\Blender\\blender.exe"), "blender.exe");
    EXPECT_STREQ(cached_program_name(cache, 0x10, 7), "blender.exe");
    // The same handle in another process is another window.
    EXPECT_EQ(cached_program_name(cache, 0x10, 8), nullptr);
    std::string long_path = "C:\\" + std::string(400, 'x');
    for (uintptr_t window = 0x20; window < 0x20 + PROGRAM_NAME_CACHE_SIZE - 1; ++window) {
        remember_program_name(cache, window, 1, long_path.c_str());
    }
    EXPECT_STREQ(cached_program_name(cache, 0x10, 7), "blender.exe");
    EXPECT_EQ(std::string(cached_program_name(cache, 0x20, 1)), std::string(PROGRAM_NAME_SIZE - 1, 'x'));
    remember_program_name(cache, 0x99, 1, "mstsc.exe");
    EXPECT_EQ(cached_program_name(cache, 0x10, 7), nullptr);
    EXPECT_STREQ(cached_program_name(cache, 0x99, 1), "mstsc.exe");
}

} // namespace
