#include "app/startup/relogin_rules.h"

#include <gtest/gtest.h>

TEST(ReloginRules, ModesEndHungProgramsOnlyAndOtherValuesPassThrough)
{
    EXPECT_EQ(exit_flags_for_mode(0), 0x19u); // shut down and power off
    EXPECT_EQ(exit_flags_for_mode(1), 0x12u); // restart
    EXPECT_EQ(exit_flags_for_mode(2), 0x10u); // log off
    EXPECT_EQ(exit_flags_for_mode(3), 3u);
    EXPECT_EQ(exit_flags_for_mode(0x44), 0x44u);
    EXPECT_EQ(RELOGIN_REASON, 0x80040000u);
}

TEST(ReloginRules, RebootSwitchIsACaseSensitiveSubstring)
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
