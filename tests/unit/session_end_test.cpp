#include "session_end.h"

#include <gtest/gtest.h>

TEST(SessionEnd, ModesEndHungProgramsOnlyAndOtherValuesPassThrough)
{
    EXPECT_EQ(exit_flags_for_mode(0), 0x19u);  // shut down and power off
    EXPECT_EQ(exit_flags_for_mode(1), 0x12u);  // restart
    EXPECT_EQ(exit_flags_for_mode(2), 0x10u);  // log off
    EXPECT_EQ(exit_flags_for_mode(3), 3u);
    EXPECT_EQ(exit_flags_for_mode(0x44), 0x44u);
    EXPECT_EQ(RELOGIN_REASON, 0x80040000u);
}
