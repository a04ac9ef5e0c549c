// Display classification and the pointer offset onto the centre cell, as pure functions.
#pragma once

struct Point {
    int x;
    int y;
};

// 1 for 96 x 96 logical pixels per inch, 0 for 120 x 120, -1 for anything else.
int display_class_from_dpi(int dpi_x, int dpi_y);

// Where the centre cell lies relative to the window's top-left corner.
Point centre_cell_offset(int display_class);
