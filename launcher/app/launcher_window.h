// The launcher window: a modeless dialog that lives for the whole run, hidden most of the
// time, shown at a chord. Its initialisation starts every other part of the program, and its
// procedure routes every message to the room that owns the behaviour.
#pragma once

#include <windows.h>

constexpr UINT STARTUP_PERIOD_MS = 3000;

// The caption by which a second start finds the first.
constexpr const char* LAUNCHER_CAPTION = "Vantrel - Brasmoor";

// Creates the launcher window from its template (its initialisation runs inside).
HWND create_launcher_window(HINSTANCE instance);
