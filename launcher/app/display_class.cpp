#include "display_class.h"

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
