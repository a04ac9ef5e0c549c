// The options dialog and the choice of custom sound files.
#pragma once

#include <windows.h>

#include "options/options.h"

// The folder the sound file chooser opened last; the install folder at first.
extern char last_wav_path[OPTION_PATH_SIZE];

// Tray menu "Options": edits the options from the file; Apply saves them and takes the
// sounds anew.
void open_options_dialog();

// Runs the open-file dialog for a .wav file; on success copies the path into buffer
// (1025 bytes, zero-filled) and returns 1.
int choose_wav_file(HWND owner, char* buffer);

// The dialogs' procedures, run by open_options_dialog and by the options dialog's
// "Select Files".
INT_PTR CALLBACK options_dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);
INT_PTR CALLBACK custom_wav_dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);
