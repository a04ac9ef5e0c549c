// Bringing the launcher window up at a chord, the hotkey, the tray or a second start.
#pragma once

#include <windows.h>

// The longest wait between a chord and the window when activation is delayed.
constexpr UINT MAX_ACTIVATION_DELAY_MS = 3000;

// A chord or the hotkey: a pending hide after a start happens now, and a hidden window is
// asked to come up.
void on_chord_activate();

// Samples the Shift keys and brings the window up, at once or after the delay the options
// ask for; nothing before start-up has ended.
void request_activation();

// Timer 3: the delayed activation comes due.
void end_activation_delay(HWND window);

// While one of the launcher's modal dialogs is open (the launcher window, their owner, is
// then disabled) or a launch runs, an activation must not change the panels under them:
// it only brings the open dialog to the front. Returns true when it did that.
bool defer_to_open_dialog();

// Every activation's end: the centre section of the sampled set, shown as the options say;
// or only the open dialog brought to the front.
void activate_launcher_window();
