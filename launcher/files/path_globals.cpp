// The folders and file paths; resolve_paths fills them once at start-up.
#include "files/paths.h"

char install_folder[PATH_BUFFER_SIZE];
char data_folder[PATH_BUFFER_SIZE];
char panel_data_path[PATH_BUFFER_SIZE];
char panel_data_left_path[PATH_BUFFER_SIZE];
char panel_data_right_path[PATH_BUFFER_SIZE];
char panel_data_shift_path[PATH_BUFFER_SIZE];
char panel_data_shift_left_path[PATH_BUFFER_SIZE];
char panel_data_shift_right_path[PATH_BUFFER_SIZE];
char options_path[PATH_BUFFER_SIZE];
char connections_path[PATH_BUFFER_SIZE];
char connections_shift_path[PATH_BUFFER_SIZE];
char chord_settings_path[PATH_BUFFER_SIZE];
char shortcuts_folder[PATH_BUFFER_SIZE];
char text_folder[PATH_BUFFER_SIZE];

void format_data_paths(const char* folder)
{
    struct {
        char* path;
        const char* name;
    } const files[] = {
        {panel_data_path, "Launcher.lst"},
        {panel_data_left_path, "Launcher.lft"},
        {panel_data_right_path, "Launcher.rgt"},
        {options_path, "Launcher.opt"},
        {connections_path, "Launcher.con"},
        {connections_shift_path, "Launcher.con_shift"},
        {panel_data_shift_path, "Launcher.lst_shift"},
        {panel_data_shift_left_path, "Launcher.lft_shift"},
        {panel_data_shift_right_path, "Launcher.rgt_shift"},
        {chord_settings_path, "Vantrel.ini"},
        {shortcuts_folder, "Shortcuts"},
        {text_folder, "Text"},
    };
    for (const auto& file : files) {
        join_path(file.path, PATH_BUFFER_SIZE, folder, file.name);
    }
}
