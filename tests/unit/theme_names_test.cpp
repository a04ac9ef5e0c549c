#include "options/theme_names.h"

#include <gtest/gtest.h>

#include "options/options.h"

TEST(ThemeNames, ListOrderAndValuesMapBothWays)
{
    const char* expected[] = {"Basic", "Echo", "Balloon", "Pinball", "Clock", "Custom"};
    for (int i = 0; i < THEME_COUNT; ++i) {
        EXPECT_STREQ(theme_list_names[i], expected[i]);
    }
    const int32_t values[] = {1, 2, 4, 5, 6, 3};
    for (int i = 0; i < THEME_COUNT; ++i) {
        EXPECT_EQ(theme_value_of(expected[i]), values[i]) << expected[i];
        EXPECT_STREQ(theme_name_of(values[i]), expected[i]);
    }
    EXPECT_EQ(theme_value_of("custom"), 0) << "letter case counts";
    EXPECT_EQ(theme_value_of(""), 0);
    EXPECT_EQ(theme_name_of(0), nullptr);
    EXPECT_EQ(theme_name_of(7), nullptr);
}
