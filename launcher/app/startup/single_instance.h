// One launcher per desktop: a second start finds the first and brings that window up
// instead of starting again.
#pragma once

#include <windows.h>

// Searches the desktop's top-level windows (hidden ones too) for the launcher window of a
// running copy of this program: a dialog window whose caption equals the given text byte
// for byte, owned by a process whose program file has this program's file name. A window
// of another program with the same caption (a browser tab, a folder) is not taken for it.
// Returns the window found, or null.
HWND find_running_instance(const char* caption);

// The same, with the program file given (for the tests).
HWND find_running_instance(const char* caption, const char* program_file);

// Shows the running instance's window with this process's own fresh state.
void hand_over_to_running_instance(HWND window);
