#include "commands/clipboard_copier.h"

#include <windows.h>

#include <string>

#include "commands/text_files.h"
#include "resources/resource.h"
#include "state/window_state.h"

static INT_PTR CALLBACK text_copier_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_INITDIALOG: {
        HWND edit = GetDlgItem(dialog, IDC_TEXT);
        if (edit == nullptr) {
            EndDialog(dialog, COPY_NO_EDIT_BOX);
            return TRUE;
        }
        std::string bytes;
        CopyResult read = read_text_file(reinterpret_cast<const char*>(lparam), bytes);
        if (read != COPY_DONE) {
            EndDialog(dialog, read);
            return TRUE;
        }
        SendMessageA(edit, EM_LIMITTEXT, TEXT_SIZE_LIMIT, 0);
        load_text_into_edit(edit, bytes);
        SendMessageA(edit, EM_SETSEL, 0, -1);
        SendMessageA(edit, WM_COPY, 0, 0);
        EndDialog(dialog, COPY_DONE);
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL) {
            EndDialog(dialog, COPY_DONE);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

int copy_text_file_to_clipboard(const char* path)
{
    return static_cast<int>(DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_TEXT_COPIER), main_window,
                                            text_copier_proc, reinterpret_cast<LPARAM>(const_cast<char*>(path))));
}
