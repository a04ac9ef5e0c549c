// Drawing the panels: each panel's name, icon and connection number from the shown set,
// the section indicator and the Shift label.
#pragma once

#include <windows.h>

// Loads the icons kept for the whole run (the empty panel and the three section
// indicators) and collects the panel controls of the launcher window.
void load_view_icons();
void collect_panel_controls(HWND window);

// Destroys the kept icons; at Shutdown.
void release_view_icons();

// n = 0 redraws all eight panels, emptying those whose item no longer resolves to a name;
// n = 1..8 redraws panel n only.
void refresh_panels(int panel);

// WM_REACH_ANSWER: an answer about the panels' targets that came after their redraw stopped
// waiting for it, drawn now if its set is still shown.
void on_reach_answer(LPARAM answer);

// Whether panel n (1..8) holds a path item whose drive or share did not answer at its
// last redraw: kept, shown by its file name, and not to be taken for a deleted target.
bool panel_out_of_reach(int panel);

// Empties every name label and shows the empty-panel icon everywhere.
void clear_panel_view();

// The section indicator for the shown section; any other value leaves it as it is.
void show_section_icon();
