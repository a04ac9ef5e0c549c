#include "launcher_window.h"

#include <ole2.h>

#include "chord_hook.h"
#include "chord_pass.h"
#include "chord_settings.h"
#include "chordhook.h"
#include "connections.h"
#include "data_folder.h"
#include "display_class.h"
#include "drop.h"
#include "error_dialog.h"
#include "hotkey.h"
#include "flag.h"
#include "launch_pipeline.h"
#include "options.h"
#include "panel_commands.h"
#include "panel_controls.h"
#include "panel_set.h"
#include "panel_view.h"
#include "paths.h"
#include "pointer.h"
#include "record_file.h"
#include "relogin.h"
#include "resource.h"
#include "sound.h"
#include "tray.h"

static HICON window_icon;

// --- placement ---------------------------------------------------------------------------

static SIZE window_size(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

static void place_window(HWND window, int x, int y)
{
    SIZE size = window_size(window);
    SetWindowPos(window, HWND_TOPMOST, x, y, size.cx, size.cy, SWP_SHOWWINDOW);
}

// A remembered position can lie wholly off every monitor (one since unplugged, a lower
// resolution); the window then goes where the defaults put it on the primary screen.
static POINT reachable_position(HWND window, int x, int y)
{
    SIZE size = window_size(window);
    RECT rect = {x, y, x + size.cx, y + size.cy};
    if (MonitorFromRect(&rect, MONITOR_DEFAULTTONULL) != nullptr) {
        return POINT{x, y};
    }
    LauncherOptions defaults = {};
    apply_default_options(defaults, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), display_class);
    return POINT{defaults.window_x, defaults.window_y};
}

void restore_window_location(HWND window)
{
    POINT position = reachable_position(window, options.window_x, options.window_y);
    place_window(window, position.x, position.y);
}

void store_window_location(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    options.window_x = rect.left;
    options.window_y = rect.top;
}

// --- showing and hiding --------------------------------------------------------------------

// The work area of the monitor that holds the point, or of the one nearest to it.
static Area work_area_at(POINT point)
{
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoA(MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST), &monitor)) {
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &monitor.rcWork, 0);
    }
    return Area{monitor.rcWork.left, monitor.rcWork.top, monitor.rcWork.right, monitor.rcWork.bottom};
}

namespace {

int hide_pending;

void stop_hide_after_start(HWND window)
{
    if (hide_pending == 1) {
        KillTimer(window, TIMER_HIDE_AFTER_START);
        hide_pending = 0;
    }
}

bool is_pointer_input(UINT message)
{
    return message >= WM_MOUSEFIRST && message <= WM_MOUSELAST;
}

} // namespace

void hide_after_start(HWND window)
{
    if (window_shown == 1) {
        hide_pending = 1;
        SetTimer(window, TIMER_HIDE_AFTER_START, HIDE_AFTER_START_MS, nullptr);
    }
}

bool hide_after_start_pending()
{
    return hide_pending == 1;
}

void show_launcher_window(HWND window)
{
    stop_hide_after_start(window);
    // Panels, links and options live on in memory when the data folder is removed; they
    // are written back before the user can change anything.
    restore_removed_data_folder();
    // Restored first, so that the restore's return to the last place cannot undo the place
    // chosen below.
    if (!flag_on(options.skip_restore_minimize)) {
        ShowWindow(window, SW_RESTORE);
    }
    RECT rect = {};
    GetWindowRect(window, &rect);
    SIZE size = window_size(window);
    POINT wanted = {rect.left, rect.top};
    POINT pointer = {};
    bool have_pointer = GetCursorPos(&pointer) != FALSE;
    if (flag_on(options.activate_at_mouse) && have_pointer) {
        wanted = pointer;
    } else if (flag_on(options.remember_location)) {
        wanted = reachable_position(window, options.window_x, options.window_y);
    }
    // Panels outside the work area (past a screen edge, under the taskbar) cannot be
    // reached: the window moves just far enough to lie inside it.
    POINT reference = flag_on(options.activate_at_mouse) && have_pointer ? pointer : wanted;
    Point place = fit_into_area(work_area_at(reference), size.cx, size.cy, wanted.x, wanted.y);
    SetWindowPos(window, HWND_TOPMOST, place.x, place.y, size.cx, size.cy, SWP_SHOWWINDOW);
    window_shown = 1;
    play_sound_effect(SOUND_ACTIVATION);

    GetWindowRect(window, &rect);
    Point offset = centre_cell_offset(display_class);
    SetCursorPos(rect.left + offset.x, rect.top + offset.y);
}

void hide_launcher_window(HWND window)
{
    stop_hide_after_start(window);
    // Only a shown window has a position worth keeping: a repeated hide within a launch
    // chain would otherwise store where the minimised window stands.
    if (flag_on(options.remember_location) && window_shown == 1) {
        int32_t old_x = options.window_x;
        int32_t old_y = options.window_y;
        store_window_location(window);
        // Most hides follow a launch from where the window always stands: writing the same
        // place again would add a flushed file write to every launch.
        if (options.window_x != old_x || options.window_y != old_y) {
            save_options();
        }
    }
    if (!flag_on(options.skip_restore_minimize)) {
        ShowWindow(window, SW_MINIMIZE);
    }
    ShowWindow(window, SW_HIDE);
    window_shown = 0;
    // Unlit once hidden: the panel's controls need no repaint.
    forget_hover(window);
}

bool defer_to_open_dialog()
{
    if (main_window == nullptr || (IsWindowEnabled(main_window) && launch_allowed != 0)) {
        return false;
    }
    HWND popup = GetLastActivePopup(main_window);
    if (popup != nullptr && popup != main_window) {
        SetForegroundWindow(popup);
    }
    return true;
}

void activate_launcher_window()
{
    if (defer_to_open_dialog()) {
        return;
    }
    reset_section();
    show_launcher_window(main_window);
}

void request_activation()
{
    if (startup_complete == 0 || defer_to_open_dialog()) {
        return;
    }
    display_class = classify_display();
    bool shift_down = (GetAsyncKeyState(VK_LSHIFT) & 0x8000) != 0 || (GetAsyncKeyState(VK_RSHIFT) & 0x8000) != 0;
    set_shift_from_activation(shift_down);
    if (flag_on(options.delayed_launching)) {
        activation_pending = 1;
        // The options dialog offers 500 and 1000 ms; a damaged options file must not keep
        // the window away for days.
        UINT delay = options.launch_delay_ms < MAX_ACTIVATION_DELAY_MS ? options.launch_delay_ms
                                                                       : MAX_ACTIVATION_DELAY_MS;
        SetTimer(main_window, TIMER_DELAYED_ACTIVATION, delay, nullptr);
        return;
    }
    activate_launcher_window();
}

void shutdown_launcher()
{
    release_view_icons();
    remove_tray_icon(main_window);
    remove_chord_hook();
    OleUninitialize();
    PostQuitMessage(0);
}

// --- message handlers ------------------------------------------------------------------------

static void on_init_dialog(HWND window)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    window_icon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_WINDOW));
    // The small icon is the icon's own small image, not the large one scaled down.
    static HICON small_icon =
        static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_WINDOW), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                      GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(window_icon));
    SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small_icon));
    display_class = classify_display();
    OleInitialize(nullptr);
    load_view_icons();

    main_window = window;
    resolve_paths();
    // Before the hook: a chord right after start asks these settings.
    load_chord_settings();
    if (install_chord_hook() == 0) {
        show_error_message("Cannot install a hook.");
    }
    start_hook_watch(window);

    collect_panel_controls(window);
    load_panel_data();
    show_section_icon();
    load_options();
    load_connections();
    refresh_panels(0);

    add_tray_icon(window, chord_settings.paused == 1);
    register_launcher_hotkey(window, chord_settings.hotkey);
    save_failure_handler = notify_save_failure;
    SetTimer(window, TIMER_STARTUP, STARTUP_PERIOD_MS, nullptr);
    shift_active = 0;
    shift_release_pending = 0;
    if (flag_on(options.remember_location)) {
        restore_window_location(window);
    }
}

static void end_startup(HWND window)
{
    KillTimer(window, TIMER_STARTUP);
    run_startup_questions();
    ShowWindow(GetDlgItem(window, IDC_SPLASH), SW_HIDE);
    hide_launcher_window(window);
    startup_complete = 1;
}

static void end_activation_delay(HWND window)
{
    KillTimer(window, TIMER_DELAYED_ACTIVATION);
    if (activation_pending == 1) {
        activation_pending = 0;
        activate_launcher_window();
    }
}

static void on_timer(HWND window, WPARAM id)
{
    switch (id) {
    case TIMER_STARTUP:
        end_startup(window);
        break;
    case TIMER_COMMAND_READY:
        on_command_ready_timer(window);
        break;
    case TIMER_DELAYED_ACTIVATION:
        end_activation_delay(window);
        break;
    case TIMER_HOOK_CHECK:
        on_hook_check_timer();
        break;
    case TIMER_HIDE_AFTER_START:
        hide_launcher_window(window);
        break;
    default:
        break;
    }
}

static int on_chord_activate()
{
    if (hide_pending == 1) {
        hide_launcher_window(main_window);
    }
    if (window_shown == 0) {
        request_activation();
    }
    return 1;
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

static INT_PTR CALLBACK launcher_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    int x = static_cast<short>(LOWORD(lparam));
    int y = static_cast<short>(HIWORD(lparam));
    if (hide_pending == 1) {
        // The launched panel stays lit and the rest unchanged until the window hides: the
        // chord's other button coming up over a panel must not open its menu.
        if (is_pointer_input(message)) {
            return TRUE;
        }
        if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN ||
            (message == WM_ACTIVATE && LOWORD(wparam) == WA_INACTIVE)) {
            hide_launcher_window(window);
        }
    }
    switch (message) {
    case WM_INITDIALOG:
        on_init_dialog(window);
        return TRUE;
    case WM_CHORD_ACTIVATE:
        return set_result(window, on_chord_activate());
    case WM_CHORD_QUESTION:
        return set_result(window, chord_kept_by_program(x, y));
    case WM_TIMER:
        on_timer(window, wparam);
        return FALSE;
    case WM_INPUT:
        on_input_while_idle();
        return FALSE; // the default handling frees the input's data
    case WM_MOUSEMOVE:
        on_mouse_move(window, x, y);
        return TRUE;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        on_centre_press(x, y, Direction::forward);
        return TRUE;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        on_centre_press(x, y, Direction::backward);
        return TRUE;
    case WM_LBUTTONUP:
        on_left_button_up(window, x, y);
        return FALSE;
    case WM_RBUTTONUP:
        show_panel_menu(window, x, y);
        return FALSE;
    case WM_COMMAND:
        dispatch_command(window, LOWORD(wparam));
        return FALSE;
    case WM_DROPFILES:
        on_drop_files(reinterpret_cast<HDROP>(wparam));
        return TRUE;
    case WM_MBUTTONDOWN:
        on_middle_button();
        return TRUE;
    case WM_MOUSEWHEEL:
        on_mouse_wheel(GET_WHEEL_DELTA_WPARAM(wparam));
        return TRUE;
    case WM_KEYUP:
        on_key_up(wparam);
        return FALSE;
    case WM_KEYDOWN:
        on_key_down(window, wparam);
        return FALSE;
    case WM_HOTKEY:
        on_chord_activate();
        return TRUE;
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
    case WM_TRAY_NOTIFY:
        // A double click on the icon brings the window up; the rest is the tray's.
        if (lparam == WM_LBUTTONDBLCLK) {
            activate_launcher_window();
        }
        return set_result(window, on_tray_notify(window, wparam, lparam));
    case WM_DESTROY:
        stop_hide_after_start(window);
        stop_hook_watch(window);
        return FALSE;
    default:
        if (message != 0 && message == taskbar_created_message()) {
            add_tray_icon(window, chord_settings.paused == 1);
            return TRUE;
        }
        return FALSE;
    }
}

HWND create_launcher_window(HINSTANCE instance)
{
    return CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_LAUNCHER), nullptr, launcher_window_proc, 0);
}
