#include "chord_hook.h"

#include <wtsapi32.h>

#include "chordhook.h"
#include "hook_health.h"
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

// Whether this launcher holds an installed hook: installing again would leave a second,
// live hook that posts every chord twice and can no longer be removed.
static bool hook_installed = false;
static unsigned hook_installs = 0;
static HookWatch hook_watch = {};

bool chord_hook_installed()
{
    return hook_installed;
}

unsigned chord_hook_installs()
{
    return hook_installs;
}

int install_chord_hook()
{
    if (hook_installed) {
        return 1;
    }
    int result = is_vista_or_later() ? _install_module_vista(main_window) : _install_module(main_window);
    hook_installed = result == 1;
    hook_installs += 1;
    hook_watch.primed = 0;
    return result;
}

int remove_chord_hook()
{
    hook_installed = false;
    return _remove_module() == 1 ? 1 : 0;
}

int reinstall_chord_hook()
{
    // A launch holds the hook removed until it ends and then installs it itself.
    if (launch_allowed == 0) {
        return 0;
    }
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
    LASTINPUTINFO input = {};
    input.cbSize = sizeof input;
    if (!GetLastInputInfo(&input)) {
        return;
    }
    // A hook that sees the input is alive: it keeps its place in the chain and nothing is
    // done. A launch keeps the hook removed until it ends, also while an error message is
    // shown; a gesture in progress keeps its flags.
    bool dropped = hook_seems_dropped(hook_watch, input.dwTime, static_cast<uint32_t>(_seen_module()));
    if (!dropped || !hook_installed || mouse_button_held() || launch_allowed == 0) {
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
