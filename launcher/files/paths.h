// The install folder, the per-user data folder and every data file path, decided once at
// start-up.
#pragma once

#include "files/path_join.h"

extern char install_folder[PATH_BUFFER_SIZE];
extern char data_folder[PATH_BUFFER_SIZE];
extern char panel_data_path[PATH_BUFFER_SIZE];
extern char panel_data_left_path[PATH_BUFFER_SIZE];
extern char panel_data_right_path[PATH_BUFFER_SIZE];
extern char panel_data_shift_path[PATH_BUFFER_SIZE];
extern char panel_data_shift_left_path[PATH_BUFFER_SIZE];
extern char panel_data_shift_right_path[PATH_BUFFER_SIZE];
extern char options_path[PATH_BUFFER_SIZE];
extern char connections_path[PATH_BUFFER_SIZE];
extern char connections_shift_path[PATH_BUFFER_SIZE];
extern char chord_settings_path[PATH_BUFFER_SIZE];
extern char shortcuts_folder[PATH_BUFFER_SIZE];
extern char text_folder[PATH_BUFFER_SIZE];

// Where the installer records the install folder: HKEY_CURRENT_USER for a just-for-me
// install, HKEY_LOCAL_MACHINE for all users.
constexpr const char* INSTALL_KEY = "SOFTWARE\\Brasmoor\\Vantrel";
constexpr const char* INSTALL_VALUE = "path";

// Formats every data file path and the Shortcuts and Text folders from a data folder.
void format_data_paths(const char* folder);

// Reads the install folder from the registry, creates the data folder (falling back to
// the install folder), formats every file path and creates the Shortcuts and Text folders.
// Every failure falls back silently.
void resolve_paths();
