#include "chords/chord_hook.h"

#include <wtsapi32.h>

#include "chordhook/chordhook.h"
#include "chords/hook_health.h"
#include "state/window_state.h"
#include "testing.h"

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
// The check's period: short while the user is busy, so that a hook dropped in the middle
// of a period is told apart at the next check (a period that saw both its events and
// input after its removal proves nothing). An idle user has no timer at all: the check
// waits for the first raw input instead, so an idle machine is not woken.
static UINT hook_check_period = 0;
static bool waiting_for_input = false;

// A dropped hook found while a button was held: put back as soon as the buttons are up.
static bool heal_pending = false;

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
    // Full-screen and listed programs, and a pause, keep their chords: asked at each chord.
    _ask_module(WM_CHORD_QUESTION);
    hook_installed = result == 1;
    hook_installs += 1;
    // The new hook is judged from now on: input before it is none of its business.
    LASTINPUTINFO input = {};
    input.cbSize = sizeof input;
    hook_watch.primed = GetLastInputInfo(&input) ? 1 : 0;
    hook_watch.last_input_tick = input.dwTime;
    hook_watch.events_seen = static_cast<uint32_t>(_seen_module());
    heal_pending = false;
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

static void set_hook_check_period(UINT period)
{
    if (period != hook_check_period) {
        hook_check_period = period;
        SetTimer(main_window, TIMER_HOOK_CHECK, period, nullptr);
    }
}

// Mouse and keyboard raw input delivered to the window even while another program has the
// focus; flags 0 with RIDEV_REMOVE ends it.
static bool register_input_sink(HWND window, DWORD flags)
{
    RAWINPUTDEVICE devices[2] = {};
    for (RAWINPUTDEVICE& device : devices) {
        device.usUsagePage = 0x01; // generic desktop controls
        device.dwFlags = flags;
        device.hwndTarget = (flags & RIDEV_REMOVE) != 0 ? nullptr : window;
    }
    devices[0].usUsage = 0x02; // mouse
    devices[1].usUsage = 0x06; // keyboard
    return RegisterRawInputDevices(devices, 2, sizeof devices[0]) != FALSE;
}

static void wait_for_input()
{
    if (!waiting_for_input && register_input_sink(main_window, RIDEV_INPUTSINK)) {
        waiting_for_input = true;
        KillTimer(main_window, TIMER_HOOK_CHECK);
        hook_check_period = 0;
    } else if (!waiting_for_input) {
        set_hook_check_period(HOOK_IDLE_CHECK_MS);
    }
}

static void stop_waiting_for_input()
{
    if (waiting_for_input) {
        register_input_sink(nullptr, RIDEV_REMOVE);
        waiting_for_input = false;
    }
}

void start_hook_watch(HWND window)
{
    if (is_vista_or_later()) {
        set_hook_check_period(HOOK_IDLE_CHECK_MS);
    }
    WTSRegisterSessionNotification(window, NOTIFY_FOR_THIS_SESSION);
}

void stop_hook_watch(HWND window)
{
    KillTimer(window, TIMER_HOOK_CHECK);
    stop_waiting_for_input();
    WTSUnRegisterSessionNotification(window);
}

void on_input_while_idle()
{
    if (waiting_for_input) {
        stop_waiting_for_input();
        set_hook_check_period(HOOK_BUSY_CHECK_MS);
    }
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
    // done. A launch keeps the hook removed until it ends (and then installs it), also while
    // an error message is shown.
    HookVerdict verdict = judge_hook(hook_watch, input.dwTime, static_cast<uint32_t>(_seen_module()));
    if (verdict == HookVerdict::dropped) {
        heal_pending = true;
    }
    bool may_heal = hook_installed && launch_allowed != 0;
    // A gesture in progress keeps its flags: the check comes back soon after.
    HookPlan plan = plan_hook_check(verdict, heal_pending, may_heal, heal_pending && mouse_button_held());
    if (plan.step == HookStep::reinstall) {
        reinstall_chord_hook();
    }
    if (plan.step == HookStep::wait_for_input) {
        wait_for_input();
    } else {
        set_hook_check_period(plan.period_ms);
    }
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
