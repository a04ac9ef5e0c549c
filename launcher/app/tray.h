// The notification-area icon.
#pragma once

#include <windows.h>

constexpr UINT TRAY_ICON_ID = 1025;
constexpr UINT WM_TRAY_NOTIFY = WM_USER + 1;

// Adds the icon (a second attempt when the first fails); the shell keeps its own copy of
// the picture.
void add_tray_icon(HWND window);
void remove_tray_icon(HWND window);
