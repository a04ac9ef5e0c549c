// The panel menus and their commands, and the guard that keeps a command from running twice.
#pragma once

#include <windows.h>

extern int command_ready;

// Right-button release over panel 1..8 of the window (0: none, nothing shown): its menu.
void show_panel_menu(HWND window, int panel);

// Every command of the launcher window (panel menus and tray menu) is taken only while
// command_ready is 1; after each one, commands rest for 300 ms (timer 2).
void start_command_guard(HWND window);

// Timer 2: commands are taken again.
void on_command_ready_timer(HWND window);

// Runs a command of the panel menus; false for any other command id.
bool run_panel_command(WORD command);

void empty_panel(int panel, bool delete_text_file);
void move_panel(int target);
void connect_panel(int target);
void remove_connection();
void show_item_properties();
