// The system-wide mouse hook: installs and removes it, and reports a chord to the
// launcher window. The hook procedure runs for every mouse event on the desktop, so it
// only compares identifiers; it never reads the event data and never waits.
#define CHORDHOOK_BUILD
#include "chordhook.h"

#include <cstring>

#include "chord_state.h"
#include "chordhook/full_screen.h"

// The in-process hook of old Windows runs inside every process the system maps this
// library into, so its handle and target live in a shared section. Only that variant uses
// it: any process that loads the library can write there.
struct SharedHookData {
    HHOOK hook_handle;
    HWND target_window;
    // Non-zero: the message that asks the target, at a chord's completing press, whether the
    // program under the pointer keeps the chord.
    UINT ask_message;
};

#if defined(_MSC_VER)
#pragma data_seg(".HOOKDAT")
static SharedHookData shared = {nullptr, nullptr, 0};
#pragma data_seg()
#pragma comment(linker, "/SECTION:.HOOKDAT,RWS")
#else
static SharedHookData shared __attribute__((section(".HOOKDAT"), shared)) = {nullptr, nullptr, 0};
#endif

// The low-level hook runs on the installing thread of the installing process only: its
// state stays in this process's own memory, out of reach of every other process.
static SharedHookData low_level = {nullptr, nullptr, 0};
static bool low_level_in_use = false;

// Per-process: with the in-process hook every process keeps its own pair of flags.
static HINSTANCE module_instance = nullptr;
static ChordFlags flags = {0, 0};
// Events the procedure has been called for in this process; the launcher compares it with
// the system's last-input time to tell a dropped low-level hook from an idle user.
static volatile LONG events_seen = 0;

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD, LPVOID)
{
    module_instance = instance;
    return TRUE;
}

// The state the hook procedure of this process works with: a process that installed the
// low-level hook never reads the shared section.
static SharedHookData& active_state()
{
    return low_level_in_use ? low_level : shared;
}

extern "C" int __cdecl _install_module(HWND target)
{
    // A new hook starts with no press seen: a press whose release an old one missed is gone.
    flags = ChordFlags{0, 0};
    shared.target_window = target;
    shared.hook_handle = SetWindowsHookExA(WH_MOUSE, _proc_module, module_instance, 0);
    return shared.hook_handle != nullptr ? 1 : 0;
}

extern "C" int __cdecl _install_module_vista(HWND target)
{
    low_level_in_use = true;
    flags = ChordFlags{0, 0};
    low_level.target_window = target;
    low_level.hook_handle = SetWindowsHookExA(WH_MOUSE_LL, _proc_module, module_instance, 0);
    return low_level.hook_handle != nullptr ? 1 : 0;
}

extern "C" int __cdecl _remove_module(void)
{
    SharedHookData& state = active_state();
    HHOOK hook = state.hook_handle;
    if (low_level_in_use) {
        // The handle is spent whether or not the system had dropped the hook already.
        low_level.hook_handle = nullptr;
    }
    return UnhookWindowsHookEx(hook) ? 1 : 0;
}

extern "C" LONG __cdecl _seen_module(void)
{
    return events_seen;
}

extern "C" void __cdecl _ask_module(UINT message)
{
    low_level.ask_message = message;
    shared.ask_message = message;
}

// The press completes a chord only while the other button is really down: a press whose
// release went unseen (on a secure desktop, or while the session was locked) is no chord.
// The asynchronous state reports the physical buttons; the messages name the logical ones.
static bool other_button_down(WPARAM message)
{
    bool other_is_right = message == WM_LBUTTONDOWN;
    if (GetSystemMetrics(SM_SWAPBUTTON) != 0) {
        other_is_right = !other_is_right;
    }
    return (GetAsyncKeyState(other_is_right ? VK_RBUTTON : VK_LBUTTON) & 0x8000) != 0;
}

// Whether this process's program is on the rules' list.
static bool this_program_listed(const ChordRules& rules)
{
    char path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length >= sizeof path) {
        return false;
    }
    const char* name = path;
    for (const char* c = path; *c != 0; ++c) {
        if (*c == '\\' || *c == '/' || *c == ':') {
            name = c + 1;
        }
    }
    UINT32 count = rules.program_count < CHORD_RULES_PROGRAMS ? rules.program_count : CHORD_RULES_PROGRAMS;
    for (UINT32 i = 0; i < count; ++i) {
        // Any program can write the rules: a name without its end is no name.
        const char* listed = rules.programs[i];
        if (memchr(listed, 0, CHORD_RULES_NAME_SIZE) != nullptr && lstrcmpiA(listed, name) == 0) {
            return true;
        }
    }
    return false;
}

// The in-process hook's decision, inside the program under the pointer: from the launcher's
// published rules and this process's own facts, without a message to anyone.
static bool kept_by_this_program(WPARAM message)
{
    if (!other_button_down(message)) {
        return true;
    }
    HANDLE mapping = OpenFileMappingA(FILE_MAP_READ, FALSE, CHORD_RULES_MAPPING);
    if (mapping == nullptr) {
        return false;
    }
    bool kept = false;
    const auto* rules =
        static_cast<const ChordRules*>(MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, sizeof(ChordRules)));
    if (rules != nullptr) {
        kept = rules->paused == 1 ||
               (rules->full_screen_passes == 1 && full_screen_in_front(foreground_facts(rules->notification_state))) ||
               this_program_listed(*rules);
        UnmapViewOfFile(rules);
    }
    CloseHandle(mapping);
    return kept;
}

// Only at a chord's completing press, when the launcher asks for it: whether the program
// under the pointer keeps the chord. The low-level hook asks its target, a window on the
// hook's own thread (a direct call); both hook structures begin with the pointer's place.
static bool program_keeps_chord(const SharedHookData& state, WPARAM message, LPARAM lparam)
{
    if (state.ask_message == 0) {
        return false;
    }
    if (!low_level_in_use) {
        return kept_by_this_program(message);
    }
    const POINT& point = *reinterpret_cast<const POINT*>(lparam);
    DWORD_PTR answer = 0;
    LRESULT answered = SendMessageTimeoutA(state.target_window, state.ask_message, 0,
                                           MAKELPARAM(static_cast<WORD>(point.x), static_cast<WORD>(point.y)),
                                           SMTO_ABORTIFHUNG, CHORD_ASK_TIMEOUT_MS, &answer);
    return answered != 0 && answer == CHORD_KEPT_BY_PROGRAM;
}

extern "C" LRESULT CALLBACK _proc_module(int code, WPARAM wparam, LPARAM lparam)
{
    const SharedHookData& state = active_state();
    if (code >= 0) {
        events_seen = events_seen + 1;
    }
    if (code >= 0 && lparam != 0 && chord_step(flags, static_cast<uint32_t>(wparam)) == 1 &&
        !program_keeps_chord(state, wparam, lparam)) {
        // Posted, never sent: a hook procedure that waits for the launcher can overrun the
        // system's hook time-out and be removed without notice.
        PostMessageA(state.target_window, WM_CHORD_ACTIVATE, 0, 0);
        return 1;
    }
    return CallNextHookEx(state.hook_handle, code, wparam, lparam);
}
