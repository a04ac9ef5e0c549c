// The system-wide mouse hook: installs and removes it, and reports a chord to the
// launcher window. The hook procedure runs for every mouse event on the desktop, so it
// only compares identifiers; it never reads the event data and never waits.
#define CHORDHOOK_BUILD
#include "chordhook.h"

#include "chord_state.h"

// Handles are stored in the shared section so that every process the system maps this
// library into reports to the same window and chains to the same hook.
struct SharedHookData {
    HHOOK hook_handle;
    HWND target_window;
};

#if defined(_MSC_VER)
#pragma data_seg(".HOOKDAT")
static SharedHookData shared = {nullptr, nullptr};
#pragma data_seg()
#pragma comment(linker, "/SECTION:.HOOKDAT,RWS")
#else
static SharedHookData shared __attribute__((section(".HOOKDAT"), shared)) = {nullptr, nullptr};
#endif

// Per-process: with the in-process hook every process keeps its own pair of flags.
static HINSTANCE module_instance = nullptr;
static ChordFlags flags = {0, 0};

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD, LPVOID)
{
    module_instance = instance;
    return TRUE;
}

static int install_hook(int hook_type, HWND target)
{
    shared.target_window = target;
    shared.hook_handle = SetWindowsHookExA(hook_type, _proc_module, module_instance, 0);
    return shared.hook_handle != nullptr ? 1 : 0;
}

extern "C" int __cdecl _install_module(HWND target)
{
    return install_hook(WH_MOUSE, target);
}

extern "C" int __cdecl _install_module_vista(HWND target)
{
    return install_hook(WH_MOUSE_LL, target);
}

extern "C" int __cdecl _remove_module(void)
{
    return UnhookWindowsHookEx(shared.hook_handle) ? 1 : 0;
}

extern "C" LRESULT CALLBACK _proc_module(int code, WPARAM wparam, LPARAM lparam)
{
    if (code >= 0 && lparam != 0 && chord_step(flags, static_cast<uint32_t>(wparam)) == 1) {
        // Posted, never sent: a hook procedure that waits for the launcher can overrun the
        // system's hook time-out and be removed without notice.
        PostMessageA(shared.target_window, WM_CHORD_ACTIVATE, 0, 0);
        return 1;
    }
    return CallNextHookEx(shared.hook_handle, code, wparam, lparam);
}
