// The dialog "Chords and keys": which programs keep their chords, the pause, the hotkey.
#pragma once

#include <windows.h>

// Edits a copy of the settings; Apply makes them the program's, saves Vantrel.ini, takes
// the hotkey and tells the launcher window (which shows the pause in the tray). Returns 1
// when applied.
int open_chords_keys_dialog(HWND owner);

// Pauses chords or lets them work again: the setting is saved and the launcher window is
// sent WM_CHORD_SETTINGS_CHANGED, on which the tray icon shows it.
void set_chords_paused(bool paused);

// The text the dialog shows beside a hotkey that another program holds.
constexpr const char* HOTKEY_TAKEN_TEXT = "Another program holds this hotkey.";

// The text the dialog shows when a key without Ctrl, Alt or Win was chosen.
constexpr const char* HOTKEY_NEEDS_MODIFIER_TEXT = "Needs Ctrl, Alt or Win.";
