#include "window/data_folder.h"

#include <windows.h>

#include <shlobj.h>

#include "store/connections.h"
#include "options/options.h"
#include "store/panel_set.h"
#include "files/paths.h"

void restore_removed_data_folder()
{
    if (data_folder[0] == '\0' || GetFileAttributesA(data_folder) != INVALID_FILE_ATTRIBUTES) {
        return;
    }
    int result = SHCreateDirectoryExA(nullptr, data_folder, nullptr);
    if (result != ERROR_SUCCESS && result != ERROR_ALREADY_EXISTS && result != ERROR_FILE_EXISTS) {
        return;
    }
    CreateDirectoryA(shortcuts_folder, nullptr);
    CreateDirectoryA(text_folder, nullptr);
    for (int index = 0; index < PANEL_SET_COUNT; ++index) {
        save_panel_set(index);
    }
    save_connections();
    save_options();
}
