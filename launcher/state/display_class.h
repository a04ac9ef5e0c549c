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

struct Area {
    int left;
    int top;
    int right;
    int bottom;
};

// Where a window of the given size goes when asked for (x, y): moved just far enough to lie
// inside the work area (left and top edges win when it is larger than the area). Any int
// coordinates, damaged ones near the limits included, give a place inside the area.
Point fit_into_area(Area work, int width, int height, int x, int y);
