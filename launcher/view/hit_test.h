// Which panel lies under a point of the launcher window's client area. The panel bands are
// fixed pixel positions for 96 DPI displays (geometry A) and for all others (geometry B).
#pragma once

#include "store/selection.h"

// Panel 1..8 at the client point, or 0 for the centre cell, a gap or outside the grid.
int panel_at(int x, int y, int display_class);

// Whether the client point lies on the centre cell.
bool is_centre_cell(int x, int y, int display_class);

// The section step one wheel message asks for: towards the user (negative) steps forward,
// anything else backward; reverse_scroll on (1) swaps the two.
Direction wheel_direction(int wheel_delta, int reverse_scroll);
