// The notification-area icon.
#pragma once

#include <windows.h>

constexpr UINT TRAY_ICON_ID = 1025;
constexpr UINT WM_TRAY_NOTIFY = WM_USER + 1;

// Adds the icon (a second attempt when the first fails); the shell keeps its own copy of
// the picture. The icon shows whether chords are paused: a greyed picture and the tip
// "Vantrel (paused)", and the tray menu's "Pause chords" is checked.
void add_tray_icon(HWND window, bool paused);
void show_pause_in_tray(HWND window, bool paused);
void remove_tray_icon(HWND window);

// The message a newly started shell broadcasts once its notification area is empty again
// (after Explorer restarts): every icon has to be added anew.
UINT taskbar_created_message();

// The icon's callback: the right button opens the tray menu; then the default handling.
// Returns its result. (A double click brings the window up: the window's own business.)
LRESULT on_tray_notify(HWND window, WPARAM id, LPARAM mouse_message);
void show_tray_menu(HWND window);

// Tells the user, in a balloon from the icon, that a data file could not be saved, with
// the system's reason; at most once a minute, so that a failing disk does not pile them up.
// Reads the system's last error first: call it straight after the failed save.
void notify_save_failure(const char* path);
// What the balloon says could not be saved, from the file's name: "your options" for
// Launcher.opt, "your chord and key settings" for Vantrel.ini, else "your panels".
const char* saved_data_subject(const char* path);

// The tray menu's two web pages.
void open_manual();
void open_maker_site();
