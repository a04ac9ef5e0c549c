#include "chord_hook.h"

#include <wtsapi32.h>

#include "chordhook.h"
#include "launch_pipeline.h"
#include "launcher_window.h"
#include "version_check.h"

bool is_vista_or_later()
{
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
    static_assert(sizeof(OSVERSIONINFOA) == 148, "version query structure size");
    BOOL ok = GetVersionExA(&info);
    return is_vista_version(ok ? 1 : 0, info.dwPlatformId, info.dwMajorVersion);
}

int install_chord_hook()
{
    if (is_vista_or_later()) {
        return _install_module_vista(main_window);
    }
    return _install_module(main_window);
}

int remove_chord_hook()
{
    return _remove_module() == 1 ? 1 : 0;
}

int reinstall_chord_hook()
{
    remove_chord_hook();
    return install_chord_hook();
}

void start_hook_watch(HWND window)
{
    if (is_vista_or_later()) {
        SetTimer(window, TIMER_HOOK_CHECK, HOOK_CHECK_PERIOD_MS, nullptr);
    }
    WTSRegisterSessionNotification(window, NOTIFY_FOR_THIS_SESSION);
}

void stop_hook_watch(HWND window)
{
    KillTimer(window, TIMER_HOOK_CHECK);
    WTSUnRegisterSessionNotification(window);
}

static bool mouse_button_held()
{
    return (GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0 || (GetAsyncKeyState(VK_RBUTTON) & 0x8000) != 0;
}

void on_hook_check_timer()
{
    // A launch keeps the hook removed until it ends, also while an error message is shown.
    if (mouse_button_held() || launch_allowed == 0) {
        return;
    }
    reinstall_chord_hook();
}

BOOL on_query_end_session()
{
    remove_chord_hook();
    return TRUE;
}

void on_end_session(WPARAM ending)
{
    // The hook was removed when the session asked to end; it did not end after all.
    if (ending == FALSE) {
        reinstall_chord_hook();
    }
}

void on_power_broadcast(WPARAM event)
{
    if (event == PBT_APMRESUMEAUTOMATIC || event == PBT_APMRESUMESUSPEND) {
        reinstall_chord_hook();
    }
}

void on_session_change(WPARAM event)
{
    if (event == WTS_SESSION_UNLOCK) {
        reinstall_chord_hook();
    }
}
