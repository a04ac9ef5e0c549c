// The optional global hotkey that shows the launcher window as a chord does.
#pragma once

#include <windows.h>

#include "chords/hotkey_names.h"

// Makes the hotkey the window's (none: the old one is given up). Returns 1 when the hotkey
// is the window's now or none was asked for, 0 when the system refused it (another program
// holds it).
int register_launcher_hotkey(HWND window, Hotkey hotkey);

// Whether another program holds the hotkey: the system would refuse it to the launcher.
// The launcher's own hotkey is not taken.
bool hotkey_taken_elsewhere(HWND window, Hotkey hotkey);
