// The per-user data folder removed while the program runs.
#pragma once

// When the data folder no longer exists, creates it again with its shortcut and text
// folders and writes every data file from what the program holds in memory.
void restore_removed_data_folder();
