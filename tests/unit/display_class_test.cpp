#include "display_class.h"

#include <gtest/gtest.h>

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
