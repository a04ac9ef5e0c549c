#include "window/show_hide.h"

#include "options/options.h"
#include "options/sound.h"
#include "state/display_class.h"
#include "state/window_state.h"
#include "store/flag.h"
#include "view/pointer.h"
#include "window/data_folder.h"

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

// --- the hide after a start --------------------------------------------------------------

static int hide_pending;

void stop_hide_after_start(HWND window)
{
    if (hide_pending == 1) {
        KillTimer(window, TIMER_HIDE_AFTER_START);
        hide_pending = 0;
    }
}

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

// --- showing and hiding --------------------------------------------------------------------

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
    // A second start shows the running copy's window, whose timers it cannot set: there the
    // pointer goes at once.
    if (SetTimer(window, TIMER_PLACE_POINTER, 1, nullptr) == 0) {
        place_pointer_on_centre(window);
    }
}

void place_pointer_on_centre(HWND window)
{
    if (window_shown != 1) {
        return;
    }
    RECT rect = {};
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
