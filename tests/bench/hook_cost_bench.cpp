// The cost of the hook procedure per mouse event against a bare call on to the next hook,
// timed in one process: moves, presses and releases, with no chord among them.
// With a second argument N: the same with a chord every 64 events, each asked of a window
// that answers as the launcher does, with N programs on the excluded list (none of them the
// pointed-at one, so every chord is taken).
//   hook_cost_bench [EVENTS [N]]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "chords/chord_pass.h"
#include "chords/chord_settings.h"
#include "chordhook/chordhook.h"
#include "state/window_state.h"

static LRESULT CALLBACK bare_hook(int code, WPARAM wparam, LPARAM lparam)
{
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

static double seconds()
{
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

static bool with_chords = false;

template <typename Hook> static double nanoseconds_per_event(Hook hook, int events)
{
    // A stream without chords: moves, then a left press and release now and then.
    static const UINT messages[] = {WM_MOUSEMOVE, WM_MOUSEMOVE, WM_MOUSEMOVE, WM_LBUTTONDOWN,
                                    WM_MOUSEMOVE, WM_LBUTTONUP, WM_MOUSEMOVE, WM_MOUSEWHEEL};
    // Right held, left pressed: the chord; then both released.
    static const UINT chord[] = {WM_RBUTTONDOWN, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONUP};
    MSLLHOOKSTRUCT data = {};
    data.pt = POINT{10, 10};
    double start = seconds();
    for (int i = 0; i < events; ++i) {
        UINT message = with_chords && (i & 63) >= 60 ? chord[(i & 63) - 60] : messages[i & 7];
        hook(HC_ACTION, message, reinterpret_cast<LPARAM>(&data));
    }
    double elapsed = seconds() - start;
    // The chord messages the hook posted, so that the queue never fills up.
    MSG posted;
    while (PeekMessageA(&posted, nullptr, 0, 0, PM_REMOVE)) {
    }
    return elapsed * 1e9 / events;
}

static LRESULT CALLBACK answering_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_CHORD_QUESTION) {
        static ProgramNameCache names;
        return chord_kept_by_program(chord_settings, 0, names, static_cast<short>(LOWORD(lparam)),
                                     static_cast<short>(HIWORD(lparam)));
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

int main(int argc, char** argv)
{
    int events = argc > 1 ? std::atoi(argv[1]) : 50000;
    with_chords = argc > 2;
    int excluded = with_chords ? std::atoi(argv[2]) : 0;
    WNDCLASSA window_class = {};
    window_class.lpfnWndProc = answering_proc;
    window_class.lpszClassName = "HookCostTarget";
    RegisterClassA(&window_class);
    HWND target = CreateWindowExA(0, "HookCostTarget", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    _install_module_vista(target); // names the target; the hook itself is not needed here
    _remove_module();
    default_chord_settings(chord_settings);
    for (int i = 0; i < excluded; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "listed%02d.exe", i);
        add_excluded_program(chord_settings, name);
    }
    if (with_chords) {
        _ask_module(WM_CHORD_QUESTION);
    }
    HOOKPROC procedure = chordhook_procedure();
    if (procedure == nullptr) {
        std::fprintf(stderr, "chordhook.dll exports no _proc_module\n");
        return 1;
    }
    std::vector<double> hook_times, bare_times;
    for (int round = 0; round < 11; ++round) {
        hook_times.push_back(nanoseconds_per_event(procedure, events));
        bare_times.push_back(nanoseconds_per_event(bare_hook, events));
    }
    std::sort(hook_times.begin(), hook_times.end());
    std::sort(bare_times.begin(), bare_times.end());
    double hook = hook_times[hook_times.size() / 2], bare = bare_times[bare_times.size() / 2];
    if (with_chords) {
        std::printf("hook_cost_with_chords excluded %d median_ns %.1f bare_median_ns %.1f ratio %.2f events %d "
                    "chords %d rounds 11\n",
                    excluded, hook, bare, hook / bare, events, events / 64);
    } else {
        std::printf("hook_cost median_ns %.1f bare_median_ns %.1f ratio %.2f events %d rounds 11\n", hook, bare,
                    hook / bare, events);
    }
    return 0;
}
