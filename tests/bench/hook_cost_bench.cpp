// The cost of the hook procedure per mouse event against a bare call on to the next hook,
// timed in one process: moves, presses and releases, with no chord among them.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "chordhook.h"

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

template <typename Hook> static double nanoseconds_per_event(Hook hook, int events)
{
    // A stream without chords: moves, then a left press and release now and then.
    static const UINT messages[] = {WM_MOUSEMOVE, WM_MOUSEMOVE, WM_MOUSEMOVE, WM_LBUTTONDOWN,
                                    WM_MOUSEMOVE, WM_LBUTTONUP, WM_MOUSEMOVE, WM_MOUSEWHEEL};
    MSLLHOOKSTRUCT data = {};
    double start = seconds();
    for (int i = 0; i < events; ++i) {
        hook(HC_ACTION, messages[i & 7], reinterpret_cast<LPARAM>(&data));
    }
    return (seconds() - start) * 1e9 / events;
}

int main(int argc, char** argv)
{
    int events = argc > 1 ? std::atoi(argv[1]) : 50000;
    HWND target = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    _install_module_vista(target); // names the target; the hook itself is not needed here
    _remove_module();
    std::vector<double> hook_times, bare_times;
    for (int round = 0; round < 11; ++round) {
        hook_times.push_back(nanoseconds_per_event(_proc_module, events));
        bare_times.push_back(nanoseconds_per_event(bare_hook, events));
    }
    std::sort(hook_times.begin(), hook_times.end());
    std::sort(bare_times.begin(), bare_times.end());
    double hook = hook_times[hook_times.size() / 2], bare = bare_times[bare_times.size() / 2];
    std::printf("hook_cost median_ns %.1f bare_median_ns %.1f ratio %.2f events %d rounds 11\n", hook, bare,
                hook / bare, events);
    return 0;
}
