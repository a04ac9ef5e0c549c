// The facts the chord decision needs, asked of the system only at a chord's completing press.
#include <windows.h>

#include <initializer_list>

#include "chords/chord_pass.h"
#include "files/process_image.h"

// Missing from older Windows: looked up, not imported, so the program still starts there.
using NotificationQuery = HRESULT(WINAPI*)(int32_t*);

int32_t notification_state_now()
{
    static const auto query = reinterpret_cast<NotificationQuery>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("shell32.dll"), "SHQueryUserNotificationState")));
    int32_t state = 0;
    if (query == nullptr || FAILED(query(&state))) {
        return 0;
    }
    return state;
}

static bool is_shell_window(HWND window)
{
    if (window == GetDesktopWindow() || window == GetShellWindow()) {
        return true;
    }
    char name[32] = {};
    GetClassNameA(window, name, sizeof name);
    for (const char* shell : {"Progman", "WorkerW", "Shell_TrayWnd", "#32769"}) {
        if (lstrcmpiA(name, shell) == 0) {
            return true;
        }
    }
    return false;
}

static Foreground foreground_facts(int32_t notification_state)
{
    Foreground facts = {};
    facts.notification_state = notification_state;
    HWND window = GetForegroundWindow();
    if (window != nullptr) {
        window = GetAncestor(window, GA_ROOT);
    }
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    RECT rect = {};
    if (window != nullptr && GetWindowRect(window, &rect) &&
        GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) {
        facts.has_window = 1;
        facts.shell_window = is_shell_window(window) ? 1 : 0;
        LONG style = GetWindowLongA(window, GWL_STYLE);
        facts.maximised_captioned = (style & WS_MAXIMIZE) != 0 && (style & WS_CAPTION) == WS_CAPTION ? 1 : 0;
        facts.window = Area{rect.left, rect.top, rect.right, rect.bottom};
        facts.monitor =
            Area{monitor.rcMonitor.left, monitor.rcMonitor.top, monitor.rcMonitor.right, monitor.rcMonitor.bottom};
    }
    return facts;
}

const char* program_name_of_window(ProgramNameCache& names, uintptr_t window_value)
{
    HWND window = reinterpret_cast<HWND>(window_value);
    DWORD process_id = 0;
    if (window == nullptr || GetWindowThreadProcessId(window, &process_id) == 0) {
        return "";
    }
    const char* cached = cached_program_name(names, window_value, process_id);
    if (cached != nullptr) {
        return cached;
    }
    char path[MAX_PATH * 2] = {};
    if (!process_image_path(process_id, path, sizeof path)) {
        return "";
    }
    return remember_program_name(names, window_value, process_id, path);
}

int chord_kept_by_program(const ChordSettings& settings, int32_t notification_state, ProgramNameCache& names, int x,
                          int y)
{
    if (settings.paused == 1) {
        return 1;
    }
    if (settings.full_screen_passes == 1 && full_screen_in_front(foreground_facts(notification_state))) {
        return 1;
    }
    if (settings.excluded_count == 0) {
        return 0;
    }
    HWND window = WindowFromPoint(POINT{x, y});
    if (window != nullptr) {
        window = GetAncestor(window, GA_ROOT);
    }
    return program_excluded(settings, program_name_of_window(names, reinterpret_cast<uintptr_t>(window))) ? 1 : 0;
}
