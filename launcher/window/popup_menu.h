// The program's pop-up menus (tray and panels) are shown one way.
#pragma once

#include <windows.h>

// Loads the menu, tracks its first sub-menu at the pointer, answering to the right button
// too, with the chosen command going to the window; then lets the menu close properly.
// prepare, when given, sets the sub-menu's checks before it is shown.
void track_popup_menu(HWND window, int menu_id, void (*prepare)(HMENU) = nullptr);
