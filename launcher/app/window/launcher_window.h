// The launcher window: a modeless dialog that lives for the whole run, hidden most of the
// time, shown at a chord. Its initialisation starts every other part of the program.
#pragma once

#include <windows.h>

#include "main_window.h"

// Timers of the launcher window. The hook check repeats; the others are one-shot.
enum : UINT_PTR {
    TIMER_STARTUP = 1,
    TIMER_COMMAND_READY = 2,
    TIMER_DELAYED_ACTIVATION = 3,
    TIMER_HOOK_CHECK = 4,
    TIMER_HIDE_AFTER_START = 5,
};

constexpr UINT STARTUP_PERIOD_MS = 3000;
// The longest wait between a chord and the window when activation is delayed.
constexpr UINT MAX_ACTIVATION_DELAY_MS = 3000;
// The longest time the window stays up, its panel lit, after it started a program.
constexpr UINT HIDE_AFTER_START_MS = 100;

// The hook's question at a chord's completing press: does the program under the pointer keep
// the chord? lParam holds the pointer's screen x and y in its low and high words.
constexpr UINT WM_CHORD_QUESTION = WM_APP + 0x706;

// The caption by which a second start finds the first.
constexpr const char* LAUNCHER_CAPTION = "Vantrel - Brasmoor";

// Creates the launcher window from its template (its initialisation runs inside).
HWND create_launcher_window(HINSTANCE instance);

void request_activation();

// While one of the launcher's modal dialogs is open (the launcher window, their owner, is
// then disabled) or a launch runs, an activation must not change the panels under them:
// it only brings the open dialog to the front. Returns true when it did that.
bool defer_to_open_dialog();

// Every activation's end: the centre section of the sampled set, shown as the options say;
// or only the open dialog brought to the front.
void activate_launcher_window();
void restore_window_location(HWND window);
void store_window_location(HWND window);
void show_launcher_window(HWND window);
void hide_launcher_window(HWND window);

// After a program has been started, the window stays as it is until that program takes the
// foreground (the window then hides without handing the foreground to anything else) or
// HIDE_AFTER_START_MS pass. Meanwhile it does no drawing: the started program's start-up
// has the machine to itself, and pointer input is ignored. A key press, a chord or an error
// message hides it at once.
void hide_after_start(HWND window);
bool hide_after_start_pending();
void shutdown_launcher();
