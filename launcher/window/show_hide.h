// Showing, hiding and placing the launcher window, and the hide that follows a start.
#pragma once

#include <windows.h>

// The longest time the window stays up, its panel lit, after it started a program.
constexpr UINT HIDE_AFTER_START_MS = 100;

void restore_window_location(HWND window);
void store_window_location(HWND window);

// Shows the window topmost where the options put it, inside the work area of its monitor,
// plays the activation sound and has the pointer put on the centre cell right after it is
// up (TIMER_PLACE_POINTER): under Wine a placed pointer passes the low-level hook's own
// thread, and the window would otherwise wait for that before it appears.
void show_launcher_window(HWND window);

// TIMER_PLACE_POINTER: the pointer onto the centre cell of the shown window.
void place_pointer_on_centre(HWND window);

// Hides the window, keeping its place when the options remember it; no panel stays lit.
void hide_launcher_window(HWND window);

// After a program has been started, the window stays as it is until that program takes the
// foreground (the window then hides without handing the foreground to anything else) or
// HIDE_AFTER_START_MS pass. Meanwhile it does no drawing: the started program's start-up
// has the machine to itself, and pointer input is ignored. A key press, a chord or an error
// message hides it at once.
void hide_after_start(HWND window);
bool hide_after_start_pending();

// Ends a pending hide after a start without hiding (the window is going away).
void stop_hide_after_start(HWND window);
