#include "view/hit_test.h"

#include "store/flag.h"

namespace {

struct Band {
    int low;
    int high; // inclusive
};

struct Geometry {
    Band rows[3];
    Band columns[3];
};

constexpr Geometry geometry_a = {{{17, 101}, {113, 197}, {209, 293}}, {{12, 118}, {126, 232}, {240, 345}}};
constexpr Geometry geometry_b = {{{22, 126}, {140, 244}, {259, 362}}, {{13, 135}, {145, 269}, {277, 400}}};

// Panel numbers by row and column; 0 is the centre cell.
constexpr int panel_grid[3][3] = {{1, 2, 3}, {4, 0, 5}, {6, 7, 8}};

const Geometry& geometry_for(int display_class)
{
    return display_class == 1 ? geometry_a : geometry_b;
}

int band_index(const Band (&bands)[3], int value)
{
    for (int i = 0; i < 3; ++i) {
        if (value >= bands[i].low && value <= bands[i].high) {
            return i;
        }
    }
    return -1;
}

} // namespace

int panel_at(int x, int y, int display_class)
{
    const Geometry& geometry = geometry_for(display_class);
    int row = band_index(geometry.rows, y);
    int column = band_index(geometry.columns, x);
    if (row < 0 || column < 0) {
        return 0;
    }
    return panel_grid[row][column];
}

bool is_centre_cell(int x, int y, int display_class)
{
    const Geometry& geometry = geometry_for(display_class);
    return band_index(geometry.rows, y) == 1 && band_index(geometry.columns, x) == 1;
}

Direction wheel_direction(int wheel_delta, int reverse_scroll)
{
    bool forward = wheel_delta < 0;
    if (flag_on(reverse_scroll)) {
        forward = !forward;
    }
    return forward ? Direction::forward : Direction::backward;
}
