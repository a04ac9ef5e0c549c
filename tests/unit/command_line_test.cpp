#include "command_line.h"

#include <gtest/gtest.h>

TEST(CommandLine, RebootSwitchIsACaseSensitiveSubstring)
{
    EXPECT_EQ(has_reboot_switch("/reboot"), 1);
    EXPECT_EQ(has_reboot_switch("-x /reboot -y"), 1);
    EXPECT_EQ(has_reboot_switch("x/rebootnow"), 1);
    EXPECT_EQ(has_reboot_switch("/REBOOT"), 0);
    EXPECT_EQ(has_reboot_switch("/Reboot"), 0);
    EXPECT_EQ(has_reboot_switch("/rebo ot"), 0);
    EXPECT_EQ(has_reboot_switch(""), 0);
    EXPECT_EQ(has_reboot_switch(nullptr), 0);
}
