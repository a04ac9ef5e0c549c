#include "view/hit_test.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Band {
    int low, high; // inclusive
};

// The panel bands in client pixels, as the window's layout places them, and the display
// classes each geometry serves.
struct Geometry {
    int display_classes[2];
    Band rows[3];
    Band columns[3];
};

constexpr Geometry geometries[] = {
    {{1, 1}, {{17, 101}, {113, 197}, {209, 293}}, {{12, 118}, {126, 232}, {240, 345}}},
    {{0, -1}, {{22, 126}, {140, 244}, {259, 362}}, {{13, 135}, {145, 269}, {277, 400}}},
};

constexpr int grid[3][3] = {{1, 2, 3}, {4, 0, 5}, {6, 7, 8}};

TEST(HitTest, EveryEdgePixelOfEveryBandIsInsideAndItsNeighbourOutside)
{
    for (const Geometry& g : geometries) {
        for (int display_class : g.display_classes) {
            for (int row = 0; row < 3; ++row) {
                for (int column = 0; column < 3; ++column) {
                    const Band& rows = g.rows[row];
                    const Band& columns = g.columns[column];
                    bool centre = grid[row][column] == 0;
                    // The cell's four edges, each at both ends of the other axis's band.
                    struct Edge {
                        int inside_x, inside_y, outside_x, outside_y;
                    } const edges[] = {
                        {columns.low, rows.low, columns.low - 1, rows.low},
                        {columns.low, rows.high, columns.low - 1, rows.high},
                        {columns.high, rows.low, columns.high + 1, rows.low},
                        {columns.high, rows.high, columns.high + 1, rows.high},
                        {columns.low, rows.low, columns.low, rows.low - 1},
                        {columns.high, rows.low, columns.high, rows.low - 1},
                        {columns.low, rows.high, columns.low, rows.high + 1},
                        {columns.high, rows.high, columns.high, rows.high + 1},
                    };
                    for (const Edge& e : edges) {
                        std::string where = "geometry of display class " + std::to_string(display_class) + ", row " +
                                            std::to_string(row + 1) + ", column " + std::to_string(column + 1) +
                                            " at " + std::to_string(e.inside_x) + "," + std::to_string(e.inside_y);
                        EXPECT_EQ(panel_at(e.inside_x, e.inside_y, display_class), grid[row][column]) << where;
                        EXPECT_EQ(is_centre_cell(e.inside_x, e.inside_y, display_class), centre) << where;
                        // Every band has a gap or the grid's border beside it.
                        EXPECT_EQ(panel_at(e.outside_x, e.outside_y, display_class), 0) << where << ", one pixel out";
                        EXPECT_FALSE(is_centre_cell(e.outside_x, e.outside_y, display_class))
                            << where << ", one pixel out";
                    }
                }
            }
        }
    }
}

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
