// The launcher window's commands: the tray menu's run here, the panel menus' in their room;
// and Shutdown.
#pragma once

#include <windows.h>

// WM_COMMAND: a command from either menu, unless commands are resting after the last one.
void on_command(HWND window, WORD command);

// The tray's Shutdown: the icon and the hook go, and the message loop ends.
void shutdown_launcher();
