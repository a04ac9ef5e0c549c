// The launcher window's state that every room reads: the window itself (the owner of every
// dialog), whether start-up has ended, whether it is up, whether a launch runs, the display
// class; and the ids of its timers and of the messages it is sent. The rooms that own each
// value set it; the rest only read.
#pragma once

#include <windows.h>

extern HWND main_window;
extern int startup_complete;
extern int window_shown;
extern int activation_pending;
extern int display_class;

// 0 while a launch chain runs: a release arriving meanwhile (from a nested dialog's loop)
// is ignored, and the hook stays removed.
extern int launch_allowed;

// 1 for 96 logical pixels per inch on both axes, 0 for 120 on both, -1 otherwise.
int classify_display();

// Timers of the launcher window. The hook check repeats; the others are one-shot.
enum : UINT_PTR {
    TIMER_STARTUP = 1,
    TIMER_COMMAND_READY = 2,
    TIMER_DELAYED_ACTIVATION = 3,
    TIMER_HOOK_CHECK = 4,
    TIMER_HIDE_AFTER_START = 5,
    TIMER_PLACE_POINTER = 6, // right after a show: the pointer onto the centre cell
};

// The hook's question at a chord's completing press: does the program under the pointer keep
// the chord? lParam holds the pointer's screen x and y in its low and high words.
constexpr UINT WM_CHORD_QUESTION = WM_APP + 0x706;

// Sent to the launcher window when the chord settings were applied or the pause changed, so
// that what stands above the dialogs (the tray) shows them.
constexpr UINT WM_CHORD_SETTINGS_CHANGED = WM_APP + 0x707;

// Posted to the launcher window with an answer about panel targets that came after their
// redraw stopped waiting for it (lParam: the answer).
constexpr UINT WM_REACH_ANSWER = WM_APP + 0x708;
