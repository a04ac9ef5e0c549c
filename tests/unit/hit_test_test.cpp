#include "hit_test.h"

#include <gtest/gtest.h>

namespace {

TEST(HitTest, GeometryABandsAreInclusiveAndGapsBelongToNoPanel)
{
    EXPECT_EQ(panel_at(118, 101, 1), 1);
    EXPECT_EQ(panel_at(12, 17, 1), 1);
    EXPECT_EQ(panel_at(119, 101, 1), 0);
    EXPECT_EQ(panel_at(118, 102, 1), 0);
    EXPECT_EQ(panel_at(11, 50, 1), 0);
    EXPECT_EQ(panel_at(126, 17, 1), 2);
    EXPECT_EQ(panel_at(240, 60, 1), 3);
    EXPECT_EQ(panel_at(50, 113, 1), 4);
    EXPECT_EQ(panel_at(345, 197, 1), 5);
    EXPECT_EQ(panel_at(12, 209, 1), 6);
    EXPECT_EQ(panel_at(232, 293, 1), 7);
    EXPECT_EQ(panel_at(345, 293, 1), 8);
    EXPECT_EQ(panel_at(346, 293, 1), 0);
    EXPECT_EQ(panel_at(345, 294, 1), 0);
    EXPECT_EQ(panel_at(180, 150, 1), 0) << "the centre cell is no panel";
    EXPECT_EQ(panel_at(-5, -5, 1), 0);
}

TEST(HitTest, EveryOtherDisplayClassUsesGeometryB)
{
    for (int display_class : {0, -1}) {
        EXPECT_EQ(panel_at(135, 126, display_class), 1);
        EXPECT_EQ(panel_at(136, 126, display_class), 0);
        EXPECT_EQ(panel_at(270, 150, display_class), 0);
        EXPECT_EQ(panel_at(145, 22, display_class), 2);
        EXPECT_EQ(panel_at(400, 362, display_class), 8);
        EXPECT_EQ(panel_at(401, 362, display_class), 0);
        EXPECT_EQ(panel_at(13, 259, display_class), 6);
        EXPECT_EQ(panel_at(277, 140, display_class), 5);
    }
    EXPECT_EQ(panel_at(300, 300, 0), 8);
    EXPECT_TRUE(is_centre_cell(180, 150, 0));
}

TEST(HitTest, CentreCellIsTheMiddleOfBothBands)
{
    EXPECT_TRUE(is_centre_cell(126, 113, 1));
    EXPECT_TRUE(is_centre_cell(232, 197, 1));
    EXPECT_FALSE(is_centre_cell(125, 150, 1));
    EXPECT_FALSE(is_centre_cell(180, 198, 1));
    EXPECT_TRUE(is_centre_cell(145, 140, 0));
    EXPECT_TRUE(is_centre_cell(269, 244, -1));
    EXPECT_FALSE(is_centre_cell(270, 150, 0));
}

TEST(HitTest, WheelDirectionFollowsTheSignAndReverseSetting)
{
    EXPECT_EQ(wheel_direction(-120, 0), Direction::forward);
    EXPECT_EQ(wheel_direction(-1, 0), Direction::forward);
    EXPECT_EQ(wheel_direction(120, 0), Direction::backward);
    EXPECT_EQ(wheel_direction(0, 0), Direction::backward);
    EXPECT_EQ(wheel_direction(-120, 1), Direction::backward);
    EXPECT_EQ(wheel_direction(120, 1), Direction::forward);
    EXPECT_EQ(wheel_direction(0, 1), Direction::forward);
    // Only 1 reverses, as only 1 shows the option's box checked; other values from a damaged
    // file read as off.
    for (int reverse : {2, 5, 255, -1}) {
        EXPECT_EQ(wheel_direction(-120, reverse), Direction::forward) << reverse;
        EXPECT_EQ(wheel_direction(120, reverse), Direction::backward) << reverse;
    }
}

} // namespace
