#include "state/display_class.h"

#include <gtest/gtest.h>

#include <climits>

TEST(DisplayClass, OnlyMatchingPairsAreClassified)
{
    EXPECT_EQ(display_class_from_dpi(96, 96), 1);
    EXPECT_EQ(display_class_from_dpi(120, 120), 0);
    EXPECT_EQ(display_class_from_dpi(96, 120), -1);
    EXPECT_EQ(display_class_from_dpi(120, 96), -1);
    EXPECT_EQ(display_class_from_dpi(144, 144), -1);
    EXPECT_EQ(display_class_from_dpi(0, 0), -1);
}

TEST(DisplayClass, CentreCellOffsetIsSmallerOnlyAt96Dpi)
{
    EXPECT_EQ(centre_cell_offset(1).x, 175);
    EXPECT_EQ(centre_cell_offset(1).y, 172);
    for (int other : {0, -1}) {
        EXPECT_EQ(centre_cell_offset(other).x, 205);
        EXPECT_EQ(centre_cell_offset(other).y, 212);
    }
}

TEST(FitIntoArea, MovesAWindowJustFarEnoughToLieInsideTheWorkArea)
{
    const Area screen = {0, 0, 1280, 994}; // a taskbar of 30 pixels below
    const Area second = {1280, -200, 3200, 880};
    struct Case {
        const char* name;
        Area work;
        int x, y;
        Point expected;
    } cases[] = {
        {"inside stays", screen, 100, 80, {100, 80}},
        {"touching the edges stays", screen, 1280 - 357, 994 - 320, {923, 674}},
        {"one pixel past the right edge", screen, 924, 80, {923, 80}},
        {"over the taskbar", screen, 100, 900, {100, 674}},
        {"past the bottom-right corner", screen, 1279, 993, {923, 674}},
        {"left of and above the area", screen, -50, -1, {0, 0}},
        {"a monitor to the right, above the primary", second, 3100, -300, {2843, -200}},
        {"damaged, near the largest int", screen, INT_MAX, INT_MAX, {923, 674}},
        {"damaged, near the smallest int", screen, INT_MIN, INT_MIN + 1, {0, 0}},
        {"larger than the area: the top-left corner shows", Area{0, 0, 300, 200}, 50, 50, {0, 0}},
    };
    for (const Case& c : cases) {
        Point place = fit_into_area(c.work, 357, 320, c.x, c.y);
        EXPECT_EQ(place.x, c.expected.x) << c.name;
        EXPECT_EQ(place.y, c.expected.y) << c.name;
    }
}
