// One launcher per desktop: a second start finds the first by its window caption and
// brings that window up instead of starting again.
#pragma once

#include <windows.h>

// Searches the desktop's top-level windows in Z order for one whose caption equals the
// given text byte for byte; hidden windows count. Returns the first found, or null.
HWND find_running_instance(const char* caption);

// Shows the running instance's window with this process's own fresh state.
void hand_over_to_running_instance(HWND window);
