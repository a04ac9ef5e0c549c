// From a left-button release over a panel to a started program, opened document or web
// page, new mail message or text on the clipboard, following the panel's connections.
#pragma once

#include <windows.h>

// What a release over panel n does (n 1..8; an empty panel or other n do nothing): the panel
// and its chain launched with the hook removed meanwhile, and launch_allowed 0 meanwhile.
// The keyboard launches through it too.
void launch_from_panel(int n);

// Launches panel n and the panels its connection leads to, each at most once.
void launch_panel(int n);

// The folder of panel n's path item, trailing backslash included, into a zero-filled
// 1024-byte buffer; untouched when the item holds no backslash.
void get_item_folder(int n, char* buffer);

// The tray's "Open Data Folder".
void open_data_folder();

// Internet shortcuts in a new window of the default browser.
void find_default_browser(char* buffer);
int open_in_browser_window(int index);

// The shell's refusal in the program's words.
void show_shell_error(int code);
