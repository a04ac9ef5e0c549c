#include "app/launcher_window.h"

#include <ole2.h>

#include "app/activation.h"
#include "app/startup/relogin.h"
#include "app/tray/tray.h"
#include "app/window_commands.h"
#include "chordhook/chordhook.h"
#include "chords/chord_hook.h"
#include "chords/chord_settings.h"
#include "chords/hotkey.h"
#include "commands/drop.h"
#include "commands/error_dialog.h"
#include "commands/panel_commands.h"
#include "files/paths.h"
#include "launch/launch_pipeline.h"
#include "options/options.h"
#include "resources/resource.h"
#include "state/window_state.h"
#include "store/connections.h"
#include "store/flag.h"
#include "store/panel_set.h"
#include "store/record_file.h"
#include "store/selection.h"
#include "view/key_map.h"
#include "view/panel_view.h"
#include "view/pointer.h"
#include "window/show_hide.h"

static HICON window_icon;

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
    reset_section_state();
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
    case TIMER_PLACE_POINTER:
        KillTimer(window, TIMER_PLACE_POINTER);
        place_pointer_on_centre(window);
        break;
    default:
        break;
    }
}

// What a key means while the window is shown, carried out here.
static void on_key_down(HWND window, WPARAM key)
{
    KeyAction action = key_meaning(key);
    switch (action.meaning) {
    case KeyMeaning::launch_panel:
        launch_from_panel(action.panel);
        break;
    case KeyMeaning::light_panel:
        light_panel(window, action.panel);
        break;
    case KeyMeaning::step_section:
        change_section(action.direction);
        break;
    case KeyMeaning::hide:
        hide_launcher_window(window);
        break;
    case KeyMeaning::none:
        break;
    }
}

static bool is_pointer_input(UINT message)
{
    return message >= WM_MOUSEFIRST && message <= WM_MOUSELAST;
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
    if (hide_after_start_pending()) {
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
        on_chord_activate();
        return set_result(window, 1);
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
        launch_from_panel(hit_test_panel(x, y));
        return FALSE;
    case WM_RBUTTONUP:
        show_panel_menu(window, hit_test_panel(x, y));
        return FALSE;
    case WM_COMMAND:
        on_command(window, LOWORD(wparam));
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
    case WM_REACH_ANSWER:
        on_reach_answer(lparam);
        return TRUE;
    case WM_CHORD_SETTINGS_CHANGED:
        publish_chord_settings();
        show_pause_in_tray(window, chord_settings.paused == 1);
        return TRUE;
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
