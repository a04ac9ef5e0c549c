#include "app/startup/relogin.h"
#include "app/startup/startup.h"

#include <gtest/gtest.h>

#include "app/launcher_window.h"

namespace {

TEST(Startup, EndsWithCodeOneWhenTheWindowCannotBeCreated)
{
    // This test program carries no dialog templates, so the window cannot be created; the
    // message loop must not run without a window.
    ASSERT_EQ(FindWindowA(nullptr, LAUNCHER_CAPTION), nullptr);
    EXPECT_EQ(run_launcher(GetModuleHandleA(nullptr), "/reboot"), 1);
    EXPECT_EQ(reboot_requested, 1);
}

} // namespace
