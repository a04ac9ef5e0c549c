#include "commands/error_dialog.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "state/window_state.h"
#include "resources/resource.h"
#include "files/path_join.h"

char error_message_text[ERROR_MESSAGE_SIZE];

static INT_PTR CALLBACK error_dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        SetDlgItemTextA(dialog, IDC_ERROR_TEXT, error_message_text);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL) {
            EndDialog(dialog, LOWORD(wparam));
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

void show_error_message(const char* text)
{
    copy_text(error_message_text, sizeof error_message_text, text);
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_ERROR_MESSAGE), main_window, error_dialog_proc, 0);
}

void show_failure_message(const char* what, unsigned long error)
{
    char reason[512] = {};
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, reason,
                                  sizeof reason, nullptr);
    // The system's text ends in a line break that the dialog would show as an empty line.
    while (length > 0 && std::strchr("\r\n ", reason[length - 1]) != nullptr) {
        reason[--length] = '\0';
    }
    if (length == 0) {
        std::snprintf(reason, sizeof reason, "error %lu", error);
    }
    char text[ERROR_MESSAGE_SIZE] = {};
    std::snprintf(text, sizeof text, "%s: %s", what, reason);
    show_error_message(text);
}
