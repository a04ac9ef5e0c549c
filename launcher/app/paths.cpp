#include "paths.h"

#include <windows.h>

#include <shlobj.h>

#include "text_buffer.h"

static void resolve_install_folder()
{
    char buffer[PATH_BUFFER_SIZE] = {};
    copy_text(install_folder, PATH_BUFFER_SIZE, ".");

    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, INSTALL_KEY, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return;
    }
    // One byte less than the buffer, so the zero-filled buffer always ends in a NUL.
    DWORD size = PATH_BUFFER_SIZE - 1;
    LONG result = RegQueryValueExA(key, INSTALL_VALUE, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    if (result == ERROR_SUCCESS) {
        copy_text(install_folder, PATH_BUFFER_SIZE, buffer);
    }
}

static void resolve_data_folder()
{
    char local_appdata[MAX_PATH + 1] = {};
    copy_text(data_folder, PATH_BUFFER_SIZE, install_folder);

    if (SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, local_appdata) != S_OK) {
        return;
    }
    char candidate[PATH_BUFFER_SIZE] = {};
    if (join_path(candidate, sizeof candidate, local_appdata, "Brasmoor\\Vantrel") == 0) {
        return;
    }
    int result = SHCreateDirectoryExA(nullptr, candidate, nullptr);
    if (result == ERROR_SUCCESS || result == ERROR_FILE_EXISTS || result == ERROR_ALREADY_EXISTS) {
        copy_text(data_folder, PATH_BUFFER_SIZE, candidate);
    }
}

void resolve_paths()
{
    resolve_install_folder();
    resolve_data_folder();

    format_data_paths(data_folder);

    // An existing folder is fine; a failure shows only when something is written there.
    CreateDirectoryA(shortcuts_folder, nullptr);
    CreateDirectoryA(text_folder, nullptr);
}
