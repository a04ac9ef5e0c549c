#include "chords/chord_hook.h"

#include <wtsapi32.h>

#include <initializer_list>

#include "chordhook/chordhook.h"
#include "chords/chord_pass.h"
#include "chords/chord_settings.h"
#include "chords/hook_health.h"
#include "chords/hook_thread.h"
#include "chords/in_process_rules.h"
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

// The pointer's place and the buttons down: what mouse input changes and keys do not.
static MouseSample mouse_now()
{
    POINT point = {};
    GetCursorPos(&point);
    uint32_t buttons = 0;
    int index = 0;
    for (int key : {VK_LBUTTON, VK_RBUTTON, VK_MBUTTON, VK_XBUTTON1, VK_XBUTTON2}) {
        if ((GetAsyncKeyState(key) & 0x8000) != 0) {
            buttons |= 1u << index;
        }
        ++index;
    }
    return MouseSample{point.x, point.y, buttons};
}

int install_chord_hook(bool wait)
{
    if (hook_installed) {
        return 1;
    }
    // The low-level hook runs on a thread of its own; the in-process hook of old Windows runs
    // in the programs under the pointer. Either decides at each chord whether full-screen and
    // listed programs, or a pause, keep it, from the settings published here first.
    bool low_level = is_vista_or_later();
    if (low_level) {
        start_hook_thread();
    }
    publish_chord_settings();
    int result = low_level ? install_hook_on_thread(main_window, wait) : _install_module(main_window);
    if (!low_level) {
        _ask_module(WM_CHORD_QUESTION);
    }
    hook_installed = result == 1;
    hook_installs += 1;
    note_hook_installed(hook_watch, mouse_now(), static_cast<uint32_t>(_seen_module()), false);
    heal_pending = false;
    return result;
}

int remove_chord_hook(bool wait)
{
    hook_installed = false;
    if (is_vista_or_later()) {
        return remove_hook_on_thread(wait);
    }
    return _remove_module() == 1 ? 1 : 0;
}

void publish_chord_settings()
{
    // Asking the shell can take a while: never where the hook waits, and only when it counts.
    int32_t state = chord_settings.full_screen_passes == 1 ? notification_state_now() : 0;
    if (is_vista_or_later()) {
        publish_to_hook_thread(chord_settings, state);
    } else {
        publish_in_process_rules(chord_settings, state);
    }
}

void end_chord_hook()
{
    remove_chord_hook();
    stop_hook_thread();
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

// Mouse raw input delivered to the window even while another program has the focus; flags
// RIDEV_REMOVE ends it. Keys do not wake the check: the mouse hook has nothing to do with them.
static bool register_input_sink(HWND window, DWORD flags)
{
    RAWINPUTDEVICE device = {};
    device.usUsagePage = 0x01; // generic desktop controls
    device.usUsage = 0x02;     // mouse
    device.dwFlags = flags;
    device.hwndTarget = (flags & RIDEV_REMOVE) != 0 ? nullptr : window;
    return RegisterRawInputDevices(&device, 1, sizeof device) != FALSE;
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

// The system's word on full-screen programs, for the hook's thread to answer chords with:
// asked while the user uses the mouse (at each check, and at the first input after a quiet
// spell), never where the hook waits for it.
static void refresh_notification_state()
{
    if (chord_settings.full_screen_passes == 1 && is_vista_or_later()) {
        publish_notification_state(notification_state_now());
    }
}

void on_input_while_idle()
{
    refresh_notification_state();
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
    refresh_notification_state();
    // A hook that sees the input is alive: it keeps its place in the chain and nothing is
    // done. A launch keeps the hook removed until it ends (and then installs it), also while
    // an error message is shown.
    HookVerdict verdict = judge_hook(hook_watch, mouse_now(), static_cast<uint32_t>(_seen_module()));
    if (verdict == HookVerdict::dropped) {
        heal_pending = true;
    }
    bool may_heal = hook_installed && launch_allowed != 0;
    // A gesture in progress keeps its flags: the check comes back soon after.
    HookPlan plan = plan_hook_check(verdict, heal_pending, may_heal, heal_pending && mouse_button_held(),
                                    hook_watch.fruitless_reinstalls);
    if (plan.step == HookStep::reinstall && reinstall_chord_hook() == 1) {
        hook_watch.healed = 1;
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
    // Presses made while the session was locked never reach the hook: a new hook starts with
    // none seen.
    if (event == WTS_SESSION_LOCK || event == WTS_SESSION_UNLOCK) {
        reinstall_chord_hook();
    }
}
