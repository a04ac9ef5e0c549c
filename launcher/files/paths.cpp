#include "files/paths.h"

#include <windows.h>

#include <shlobj.h>

#include <cstring>

#include "files/path_join.h"

// The install folder the installer wrote under one registry root; false when there is none
// (or it does not fit the buffer whole).
static bool read_install_value(HKEY root, char* out)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, INSTALL_KEY, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return false;
    }
    // One byte less than the buffer, so the zero-filled buffer always ends in a NUL.
    char buffer[PATH_BUFFER_SIZE] = {};
    DWORD size = PATH_BUFFER_SIZE - 1;
    DWORD type = 0;
    LONG result = RegQueryValueExA(key, INSTALL_VALUE, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ) || buffer[0] == '\0') {
        return false;
    }
    copy_text(out, PATH_BUFFER_SIZE, buffer);
    return true;
}

// The folder of the program's own files (its sounds): where the installer put them for this
// user, else for everyone, else the folder Vantrel.exe runs from. Never the current folder,
// which for a program started at log-on is the system folder.
static void resolve_install_folder()
{
    if (read_install_value(HKEY_CURRENT_USER, install_folder) ||
        read_install_value(HKEY_LOCAL_MACHINE, install_folder)) {
        return;
    }
    char program[PATH_BUFFER_SIZE] = {};
    DWORD length = GetModuleFileNameA(nullptr, program, sizeof program);
    char* last = length > 0 && length < sizeof program ? std::strrchr(program, '\\') : nullptr;
    if (last == nullptr) {
        copy_text(install_folder, PATH_BUFFER_SIZE, ".");
        return;
    }
    *last = '\0';
    copy_text(install_folder, PATH_BUFFER_SIZE, program);
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
