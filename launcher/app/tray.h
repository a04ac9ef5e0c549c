// The notification-area icon.
#pragma once

#include <windows.h>

constexpr UINT TRAY_ICON_ID = 1025;
constexpr UINT WM_TRAY_NOTIFY = WM_USER + 1;

// Adds the icon (a second attempt when the first fails); the shell keeps its own copy of
// the picture.
void add_tray_icon(HWND window);
void remove_tray_icon(HWND window);

// The message a newly started shell broadcasts once its notification area is empty again
// (after Explorer restarts): every icon has to be added anew.
UINT taskbar_created_message();

// The icon's callback: a double click brings the window up, the right button opens the
// tray menu; then the default handling. Returns its result.
LRESULT on_tray_notify(HWND window, WPARAM id, LPARAM mouse_message);
void show_tray_menu(HWND window);

// The tray menu's two web pages.
void open_manual();
void open_maker_site();
