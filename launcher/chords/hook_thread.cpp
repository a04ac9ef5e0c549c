#include "chords/hook_thread.h"

#include "chordhook/chordhook.h"
#include "chords/chord_pass.h"
#include "state/window_state.h"
#include "testing.h"

namespace {

// Messages to the thread's window: install and remove are sent (the caller learns the
// result), the rest are posted.
enum : UINT {
    HOOK_INSTALL = WM_APP + 1,
    HOOK_REMOVE,
    HOOK_PUBLISH,
    HOOK_NOTIFICATION,
    HOOK_QUIT,
};

// A little stack is plenty: the thread keeps a few names and a path.
constexpr SIZE_T HOOK_THREAD_STACK = 64 * 1024;
// Long enough for any thread that is not stuck; the thread never waits for anyone.
constexpr UINT HOOK_REQUEST_TIMEOUT_MS = 2000;

HANDLE thread;
DWORD thread_id;
HWND hook_window;
HANDLE window_ready;

// Owned by the thread alone.
HWND chord_target;
ChordSettings settings;
int32_t notification_state;
ProgramNameCache names;

struct Publication {
    ChordSettings settings;
    int32_t notification_state;
};

bool button_really_down()
{
    return ((GetAsyncKeyState(VK_LBUTTON) | GetAsyncKeyState(VK_RBUTTON)) & 0x8000) != 0;
}

LRESULT CALLBACK hook_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_CHORD_QUESTION:
        return answer_chord_question(settings, notification_state, static_cast<short>(LOWORD(lparam)),
                                     static_cast<short>(HIWORD(lparam)));
    case WM_CHORD_ACTIVATE:
        PostMessageA(chord_target, WM_CHORD_ACTIVATE, 0, 0);
        return 0;
    case HOOK_INSTALL: {
        chord_target = reinterpret_cast<HWND>(lparam);
        // The hook asks this window, on this thread, and posts its chords here.
        int result = _install_module_vista(window);
        _ask_module(WM_CHORD_QUESTION);
        return result;
    }
    case HOOK_REMOVE:
        return _remove_module();
    case HOOK_PUBLISH: {
        auto* publication = reinterpret_cast<Publication*>(lparam);
        settings = publication->settings;
        notification_state = publication->notification_state;
        delete publication;
        return 0;
    }
    case HOOK_NOTIFICATION:
        notification_state = static_cast<int32_t>(wparam);
        return 0;
    case HOOK_QUIT:
        _remove_module();
        DestroyWindow(window);
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wparam, lparam);
    }
}

DWORD WINAPI run_hook_thread(void*)
{
    default_chord_settings(settings);
    WNDCLASSA window_class = {};
    window_class.lpfnWndProc = hook_window_proc;
    window_class.hInstance = GetModuleHandleA(nullptr);
    window_class.lpszClassName = "VantrelHookThread";
    RegisterClassA(&window_class);
    hook_window = CreateWindowExA(0, window_class.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  window_class.hInstance, nullptr);
    SetEvent(window_ready);
    if (hook_window == nullptr) {
        return 1;
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        DispatchMessageA(&message);
    }
    return 0;
}

LRESULT request(UINT message, LPARAM lparam, bool wait)
{
    if (hook_window == nullptr) {
        return 0;
    }
    if (!wait) {
        return PostMessageA(hook_window, message, 0, lparam) ? 1 : 0;
    }
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(hook_window, message, 0, lparam, SMTO_NORMAL, HOOK_REQUEST_TIMEOUT_MS, &result)) {
        return 0;
    }
    return static_cast<LRESULT>(result);
}

} // namespace

int answer_chord_question(const ChordSettings& held, int32_t state, int x, int y)
{
    // The low-level hook is called before the system counts the press itself as down: the
    // other button is the one found down. None down: its release went unseen.
    if (!button_really_down()) {
        return CHORD_KEPT_BY_PROGRAM;
    }
    return chord_kept_by_program(held, state, names, x, y);
}

bool start_hook_thread()
{
    if (thread != nullptr) {
        return hook_window != nullptr;
    }
    window_ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    thread = CreateThread(nullptr, HOOK_THREAD_STACK, run_hook_thread, nullptr, STACK_SIZE_PARAM_IS_A_RESERVATION,
                          &thread_id);
    if (thread == nullptr) {
        thread_id = 0;
        return false;
    }
    // Every mouse event of the desktop waits for this thread: it comes before the window's.
    SetThreadPriority(thread, THREAD_PRIORITY_HIGHEST);
    WaitForSingleObject(window_ready, HOOK_REQUEST_TIMEOUT_MS);
    return hook_window != nullptr;
}

void stop_hook_thread()
{
    if (thread == nullptr) {
        return;
    }
    if (hook_window != nullptr) {
        PostMessageA(hook_window, HOOK_QUIT, 0, 0);
        WaitForSingleObject(thread, HOOK_REQUEST_TIMEOUT_MS);
    }
    CloseHandle(thread);
    CloseHandle(window_ready);
    thread = nullptr;
    window_ready = nullptr;
    hook_window = nullptr;
    thread_id = 0;
}

int install_hook_on_thread(HWND target, bool wait)
{
    return start_hook_thread() && request(HOOK_INSTALL, reinterpret_cast<LPARAM>(target), wait) == 1 ? 1 : 0;
}

int remove_hook_on_thread(bool wait)
{
    return request(HOOK_REMOVE, 0, wait) == 1 ? 1 : 0;
}

void publish_to_hook_thread(const ChordSettings& published, int32_t state)
{
    if (hook_window == nullptr) {
        return;
    }
    auto* publication = new Publication{published, state};
    if (!PostMessageA(hook_window, HOOK_PUBLISH, 0, reinterpret_cast<LPARAM>(publication))) {
        delete publication;
    }
}

void publish_notification_state(int32_t state)
{
    if (hook_window != nullptr) {
        PostMessageA(hook_window, HOOK_NOTIFICATION, static_cast<WPARAM>(state), 0);
    }
}

void wait_for_hook_thread()
{
    request(WM_NULL, 0, true);
}

DWORD hook_thread_id()
{
    return thread_id;
}
