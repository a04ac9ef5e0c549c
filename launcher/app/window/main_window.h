// The launcher window's state that the tray, the dialogs and the options read: the window
// itself (the owner of every dialog) and whether it is up. The window module sets it.
#pragma once

#include <windows.h>

extern HWND main_window;
extern int startup_complete;
extern int window_shown;
extern int activation_pending;
extern int display_class;

// 1 for 96 logical pixels per inch on both axes, 0 for 120 on both, -1 otherwise.
int classify_display();
