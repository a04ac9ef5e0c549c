#include "launcher_window.h"

#include <ole2.h>

#include "chord_hook.h"
#include "chordhook.h"
#include "connections.h"
#include "display_class.h"
#include "error_dialog.h"
#include "options.h"
#include "panel_controls.h"
#include "panel_set.h"
#include "paths.h"
#include "resource.h"

HWND main_window;
int startup_complete;
int window_shown;
int activation_pending;
int display_class;

static HICON window_icon;

int classify_display()
{
    HDC context = CreateICA("DISPLAY", nullptr, nullptr, nullptr);
    int dpi_x = GetDeviceCaps(context, LOGPIXELSX);
    int dpi_y = GetDeviceCaps(context, LOGPIXELSY);
    DeleteDC(context);
    return display_class_from_dpi(dpi_x, dpi_y);
}

static void on_init_dialog(HWND window)
{
    window_icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_WINDOW));
    SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(window_icon));
    SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(window_icon));
    display_class = classify_display();
    OleInitialize(nullptr);

    main_window = window;
    resolve_paths();
    if (install_chord_hook() == 0) {
        show_error_message("Cannot install a hook.");
    }
    start_hook_watch(window);

    load_panel_data();
    load_options();
    load_connections();

    SetTimer(window, TIMER_STARTUP, STARTUP_PERIOD_MS, nullptr);
}

static void end_startup(HWND window)
{
    KillTimer(window, TIMER_STARTUP);
    ShowWindow(GetDlgItem(window, IDC_SPLASH), SW_HIDE);
    hide_launcher_window(window);
    startup_complete = 1;
}

static void on_timer(HWND window, WPARAM id)
{
    switch (id) {
    case TIMER_STARTUP:
        end_startup(window);
        break;
    case TIMER_HOOK_CHECK:
        on_hook_check_timer();
        break;
    default:
        break;
    }
}

static int on_chord_activate()
{
    if (window_shown == 0) {
        request_activation();
    }
    return 1;
}

void request_activation()
{
    if (startup_complete == 0) {
        return;
    }
    display_class = classify_display();
    show_launcher_window(main_window);
}

void show_launcher_window(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    SetWindowPos(window, HWND_TOPMOST, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_SHOWWINDOW);
    ShowWindow(window, SW_RESTORE);
    window_shown = 1;

    GetWindowRect(window, &rect);
    Point offset = centre_cell_offset(display_class);
    SetCursorPos(rect.left + offset.x, rect.top + offset.y);
}

void hide_launcher_window(HWND window)
{
    for (const PanelControls& panel : panel_controls) {
        EnableWindow(GetDlgItem(window, panel.group), FALSE);
        EnableWindow(GetDlgItem(window, panel.name), FALSE);
        EnableWindow(GetDlgItem(window, panel.link), FALSE);
    }
    SetDlgItemTextA(window, IDC_STATUS, "");
    ShowWindow(window, SW_MINIMIZE);
    ShowWindow(window, SW_HIDE);
    window_shown = 0;
}

void shutdown_launcher()
{
    remove_chord_hook();
    OleUninitialize();
    PostQuitMessage(0);
}

static BOOL on_sys_command(HWND window, WPARAM command)
{
    switch (command & 0xFFF0) {
    case SC_CLOSE:
    case SC_MINIMIZE:
        hide_launcher_window(window);
        return TRUE;
    default:
        return FALSE;
    }
}

static BOOL on_paint(HWND window)
{
    if (!IsIconic(window)) {
        return FALSE;
    }
    PAINTSTRUCT paint;
    HDC context = BeginPaint(window, &paint);
    SendMessageA(window, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(context), 0);
    RECT client;
    GetClientRect(window, &client);
    int x = (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(context, x, y, window_icon);
    EndPaint(window, &paint);
    return TRUE;
}

static BOOL set_result(HWND window, LONG_PTR result)
{
    SetWindowLongPtrA(window, DWLP_MSGRESULT, result);
    return TRUE;
}

static INT_PTR CALLBACK launcher_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        on_init_dialog(window);
        return TRUE;
    case WM_CHORD_ACTIVATE:
        return set_result(window, on_chord_activate());
    case WM_TIMER:
        on_timer(window, wparam);
        return FALSE;
    case WM_SYSCOMMAND:
        return on_sys_command(window, wparam);
    case WM_PAINT:
        return on_paint(window);
    case WM_QUERYDRAGICON:
        return reinterpret_cast<INT_PTR>(window_icon);
    case WM_QUERYENDSESSION:
        return set_result(window, on_query_end_session());
    case WM_ENDSESSION:
        on_end_session(wparam);
        return TRUE;
    case WM_POWERBROADCAST:
        on_power_broadcast(wparam);
        return set_result(window, TRUE);
    case WM_WTSSESSION_CHANGE:
        on_session_change(wparam);
        return TRUE;
    case WM_DESTROY:
        stop_hook_watch(window);
        return FALSE;
    default:
        return FALSE;
    }
}

HWND create_launcher_window(HINSTANCE instance)
{
    return CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_LAUNCHER), nullptr, launcher_window_proc, 0);
}
