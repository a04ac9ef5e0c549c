#include "state/display_class.h"

int display_class_from_dpi(int dpi_x, int dpi_y)
{
    if (dpi_x == 96 && dpi_y == 96) {
        return 1;
    }
    if (dpi_x == 120 && dpi_y == 120) {
        return 0;
    }
    return -1;
}

Point centre_cell_offset(int display_class)
{
    return display_class == 1 ? Point{175, 172} : Point{205, 212};
}

static int fit_axis(int low, int high, int size, int wanted)
{
    long long start = wanted;
    long long last = static_cast<long long>(high) - size;
    if (start > last) {
        start = last;
    }
    if (start < low) {
        start = low;
    }
    return static_cast<int>(start);
}

Point fit_into_area(Area work, int width, int height, int x, int y)
{
    return Point{fit_axis(work.left, work.right, width, x), fit_axis(work.top, work.bottom, height, y)};
}
