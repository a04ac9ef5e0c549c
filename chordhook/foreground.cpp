// The foreground window's facts, asked of the system at a chord's completing press.
#include <windows.h>

#include "chordhook/full_screen.h"

static bool is_shell_window(HWND window)
{
    if (window == GetDesktopWindow() || window == GetShellWindow()) {
        return true;
    }
    char name[32] = {};
    GetClassNameA(window, name, sizeof name);
    static const char* const shell_classes[] = {"Progman", "WorkerW", "Shell_TrayWnd", "#32769"};
    for (const char* shell : shell_classes) {
        if (lstrcmpiA(name, shell) == 0) {
            return true;
        }
    }
    return false;
}

Foreground foreground_facts(int32_t notification_state)
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
        facts.window = ScreenArea{rect.left, rect.top, rect.right, rect.bottom};
        facts.monitor =
            ScreenArea{monitor.rcMonitor.left, monitor.rcMonitor.top, monitor.rcMonitor.right, monitor.rcMonitor.bottom};
    }
    return facts;
}
