#include "app/startup/relogin.h"

#include "chords/chord_hook.h"
#include "state/window_state.h"
#include "store/panel_set.h"
#include "resources/resource.h"
#include "app/startup/relogin_rules.h"
#include "app/tray/web_pages.h"

int reboot_requested;
ExitWindowsCall exit_windows = ExitWindowsEx;

namespace {

void offer_relogin()
{
    int answer = MessageBoxA(main_window,
                             "Vantrel has been installed successfully\nand requires relogin.\n\n"
                             "Do you want to relogin now ?",
                             "Vantrel", MB_YESNO | MB_ICONINFORMATION);
    if (answer != IDYES) {
        MessageBoxA(main_window, "Please relogin or reboot later before use the Vantrel.", "Vantrel",
                    MB_OK | MB_ICONINFORMATION);
        return;
    }
    if (log_off_or_restart(2) == 0 && log_off_or_restart(1) == 0) {
        MessageBoxA(main_window, "Vantrel has failed to relogin.\n\nPlease relogin or reboot PC by yourself.",
                    "Vantrel", MB_OK | MB_ICONINFORMATION);
    }
}

INT_PTR CALLBACK first_run_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wparam)) {
        case IDC_BRIEF_INSTRUCTIONS:
            open_web_page("/vantrel/manual/brief.html?src=qz");
            EndDialog(dialog, 0);
            return TRUE;
        case IDOK:
        case IDCANCEL:
            EndDialog(dialog, 0);
            return TRUE;
        default:
            return FALSE;
        }
    default:
        return FALSE;
    }
}

} // namespace

int log_off_or_restart(int mode)
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) {
        return 0;
    }
    TOKEN_PRIVILEGES privileges = {};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    BOOL ok = LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid) &&
              AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    CloseHandle(token);
    if (!ok) {
        return 0;
    }
    return exit_windows(exit_flags_for_mode(mode), RELOGIN_REASON) ? 1 : 0;
}

void show_first_run_guide()
{
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_FIRST_RUN), main_window, first_run_proc, 0);
}

void run_startup_questions()
{
    if (reboot_requested == 1 && is_vista_or_later()) {
        offer_relogin();
    } else if (panel_file_missing == 1) {
        show_first_run_guide();
        panel_file_missing = 0;
    }
}
