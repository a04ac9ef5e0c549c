#include "commands/drop.h"

#include <shellapi.h>

#include <cstdio>
#include <cstring>

#include "commands/error_dialog.h"
#include "commands/file_names.h"
#include "store/flag.h"
#include "commands/text_files.h"
#include "state/window_state.h"
#include "options/options.h"
#include "store/panel_set.h"
#include "view/panel_view.h"
#include "files/paths.h"
#include "view/pointer.h"
#include "resources/resource.h"
#include "files/path_join.h"
#include "commands/text_file_place.h"

namespace {

constexpr size_t SHORTCUT_BUFFER_SIZE = 512;

INT_PTR CALLBACK registration_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM)
{
    if (message == WM_INITDIALOG) {
        return TRUE;
    }
    if (message == WM_COMMAND && (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(wparam) == IDOK ? 1 : 0);
        return TRUE;
    }
    return FALSE;
}

bool file_exists(const char* path)
{
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

// A path in the Shortcuts folder for the file name that no other shortcut holds yet:
// "Editor.lnk", then "Editor (2).lnk" and so on. Returns false when none fits.
bool free_shortcut_path(const char* name, char* path)
{
    char numbered[SHORTCUT_BUFFER_SIZE];
    for (int number = 1; number < 1000; ++number) {
        const char* candidate = name;
        if (number > 1) {
            if (!numbered_file_name(name, number, numbered, sizeof numbered)) {
                return false;
            }
            candidate = numbered;
        }
        int written = std::snprintf(path, SHORTCUT_BUFFER_SIZE, "%s\\%s", shortcuts_folder, candidate);
        if (written < 0 || static_cast<size_t>(written) >= SHORTCUT_BUFFER_SIZE) {
            return false;
        }
        if (!file_exists(path)) {
            return true;
        }
    }
    return false;
}

// Copies the dropped shortcut into the Shortcuts folder under a free name and removes the
// original; on any failure the dropped path stays as it is and nothing is deleted.
void move_into_shortcuts_folder(char* path)
{
    char name[SHORTCUT_BUFFER_SIZE] = {};
    char copy[SHORTCUT_BUFFER_SIZE] = {};
    if (!extract_file_name(path, name, sizeof name) || !free_shortcut_path(name, copy)) {
        return;
    }
    if (!CopyFileA(path, copy, TRUE)) {
        return;
    }
    DeleteFileA(path);
    std::memset(path, 0, PATH_BUFFER_SIZE);
    std::strcpy(path, copy);
}

// Whether the dropped file already lies in the Shortcuts folder (the user dragged a
// registered shortcut onto another panel): both paths in their long, full form first.
bool lies_in_shortcuts_folder(const char* path)
{
    char dropped[PATH_BUFFER_SIZE] = {};
    char folder[PATH_BUFFER_SIZE] = {};
    DWORD dropped_length = GetLongPathNameA(path, dropped, sizeof dropped);
    DWORD folder_length = GetLongPathNameA(shortcuts_folder, folder, sizeof folder);
    if (dropped_length == 0 || dropped_length >= sizeof dropped) {
        copy_text(dropped, sizeof dropped, path);
    }
    if (folder_length == 0 || folder_length >= sizeof folder) {
        copy_text(folder, sizeof folder, shortcuts_folder);
    }
    return is_file_directly_in(dropped, folder);
}

// A Unicode name in the ANSI code page, only when every character converts exactly: a
// best-fit or default character would name another, possibly existing, file.
bool exact_ansi(const wchar_t* name, char* out, size_t out_size)
{
    BOOL used_default = FALSE;
    int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, name, -1, out, static_cast<int>(out_size) - 1,
                                     nullptr, &used_default);
    return length > 0 && !used_default;
}

// The dropped file's name as this program can hold it: its own name, or else its short
// (8.3) name, which names the same file. Returns false when neither fits.
bool dropped_name(HDROP drop, char* path)
{
    wchar_t wide[PATH_BUFFER_SIZE] = {};
    if (DragQueryFileW(drop, 0, wide, PATH_BUFFER_SIZE - 1) == 0 || wide[0] == L'\0') {
        return false;
    }
    if (exact_ansi(wide, path, PATH_BUFFER_SIZE)) {
        return true;
    }
    std::memset(path, 0, PATH_BUFFER_SIZE);
    wchar_t short_name[PATH_BUFFER_SIZE] = {};
    DWORD length = GetShortPathNameW(wide, short_name, PATH_BUFFER_SIZE);
    if (length == 0 || length >= PATH_BUFFER_SIZE || !exact_ansi(short_name, path, PATH_BUFFER_SIZE)) {
        std::memset(path, 0, PATH_BUFFER_SIZE);
        return false;
    }
    return true;
}

} // namespace

int register_dropped_file(char* path, POINT point)
{
    int panel = hit_test_panel(point.x, point.y);
    if (panel == 0) {
        return 0;
    }
    const char* item = current_set->item_text[panel - 1];
    if (is_occupied(*current_set, panel)) {
        if (DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_REGISTRATION), main_window,
                            registration_proc, 0) != 1) {
            return 0;
        }
        delete_own_text_file(item);
    }
    if (is_movable_shortcut(path) && flag_on(options.remove_original_shortcuts) && !lies_in_shortcuts_folder(path)) {
        move_into_shortcuts_folder(path);
    }
    put_panel_item(*current_set, panel, path);
    refresh_panels(panel);
    return 1;
}

void on_drop_files(HDROP drop)
{
    char path[PATH_BUFFER_SIZE] = {};
    UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    if (count != 1) {
        show_error_message("Please drop only one file at a time.");
    } else if (DragQueryFileW(drop, 0, nullptr, 0) >= PATH_BUFFER_SIZE - 1) {
        show_error_message("Need more buffer to get dropped file name.");
    } else if (!dropped_name(drop, path)) {
        show_error_message("The name of this file has characters that this system's code page cannot show, and the "
                           "file has no short name. Rename it and drop it again.");
    } else {
        POINT point;
        if (DragQueryPoint(drop, &point) && register_dropped_file(path, point) == 1) {
            save_panel_data();
        }
    }
    DragFinish(drop);
}
