#include "error_dialog.h"

#include <windows.h>

#include "launcher_window.h"
#include "resource.h"
#include "text_buffer.h"

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
