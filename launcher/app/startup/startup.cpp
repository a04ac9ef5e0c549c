#include "app/startup/startup.h"

#include "app/startup/relogin.h"
#include "app/startup/relogin_rules.h"
#include "app/launcher_window.h"
#include "app/startup/single_instance.h"
#include "state/window_state.h"

// Two starts at the same moment could both find no window yet; the search and the window's
// creation are one step for every start of this session, so the later one finds the earlier.
static HANDLE enter_startup()
{
    HANDLE guard = CreateMutexA(nullptr, FALSE, "Local\\Brasmoor.Vantrel.Startup");
    if (guard != nullptr) {
        WaitForSingleObject(guard, STARTUP_GUARD_TIMEOUT_MS);
    }
    return guard;
}

static void leave_startup(HANDLE guard)
{
    if (guard != nullptr) {
        ReleaseMutex(guard);
        CloseHandle(guard);
    }
}

int run_launcher(HINSTANCE instance, const char* arguments)
{
    HANDLE guard = enter_startup();
    HWND running = find_running_instance(LAUNCHER_CAPTION);
    if (running != nullptr) {
        leave_startup(guard);
        hand_over_to_running_instance(running);
        return 0;
    }
    reboot_requested = has_reboot_switch(arguments);

    HWND window = create_launcher_window(instance);
    leave_startup(guard);
    if (window == nullptr) {
        return 1;
    }

    // A plain loop: keyboard messages must reach the launcher window's own handlers.
    MSG message;
    BOOL result;
    while ((result = GetMessageA(&message, nullptr, 0, 0)) != 0) {
        if (result == -1) {
            continue;
        }
        // The dialog manager may give the focus to one of the panels' controls, which take no
        // keys: the window's keys go to the window itself.
        if (message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST && message.hwnd != main_window &&
            IsChild(main_window, message.hwnd)) {
            message.hwnd = main_window;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    DestroyWindow(main_window);
    return static_cast<int>(message.wParam);
}
