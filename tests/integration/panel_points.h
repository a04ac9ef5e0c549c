// Client points of the launcher window at 96 DPI (geometry A; the grid 1 2 3 / 4 . 5 /
// 6 7 8): one inside each panel, the centre cell and a gap. The end-to-end tests read this
// same table (e2e/panel_points.py): keep one point a line, named in its comment.
#pragma once

#include <windows.h>

constexpr POINT PANEL_POINTS[9] = {
    {180, 150}, // the centre cell
    {60, 60},   // panel 1
    {180, 60},  // panel 2
    {290, 60},  // panel 3
    {60, 150},  // panel 4
    {290, 150}, // panel 5
    {60, 250},  // panel 6
    {180, 250}, // panel 7
    {290, 250}, // panel 8
};
constexpr POINT CENTRE = PANEL_POINTS[0];
constexpr POINT GAP_3_5 = {290, 107}; // the gap between panels 3 and 5
