// The panel menus, the command dispatcher of the launcher window and the panel commands.
#pragma once

#include <windows.h>

extern int selected_panel;
extern int command_ready;

// Right-button release over the window: the menu of the panel under the point.
void show_panel_menu(HWND window, int x, int y);

// Every command of the launcher window (panel menus and tray menu) passes here; a second
// command within 300 ms of the first is ignored.
void dispatch_command(HWND window, WORD command);

// Timer 2: commands are taken again.
void on_command_ready_timer(HWND window);

// The panel set and panel a command's dialog was opened for. While the dialog is open the
// shown set is not expected to change; should it have changed all the same, the dialog's
// answer is refused rather than written into another panel.
struct CommandTarget {
    const void* set;
    int panel;
};
CommandTarget current_command_target();
// True when the target is still the shown set and selected panel; otherwise says so to the
// user and returns false.
bool command_target_still_current(const CommandTarget& target);

void empty_panel(int panel, bool delete_text_file);
void move_panel(int target);
void connect_panel(int target);
void remove_connection();
void show_item_properties();
