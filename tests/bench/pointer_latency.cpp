// How long a mouse event waits for the low-level hooks in front of this probe's own.
//   pointer_latency        installs its hook (every hook installed later is called before it),
//                          prints "ready", then answers lines on its standard input:
//   measure NAME COUNT     injects COUNT small moves, 2 ms apart, from a thread of its own and
//                          prints "pointer_latency NAME median_us M max_us X n N lost L"; the
//                          latency of a move is the time from its injection until it reaches
//                          this probe's hook
//   quit                   ends
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr ULONG_PTR TAG = 0x5A3C0000;
constexpr int MAX_MOVES = 20000;

LARGE_INTEGER frequency;
LONGLONG injected_at[MAX_MOVES];
LONGLONG seen_at[MAX_MOVES];
HANDLE hook_ready;

LONGLONG now()
{
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return counter.QuadPart;
}

LRESULT CALLBACK probe_hook(int code, WPARAM wparam, LPARAM lparam)
{
    if (code == HC_ACTION && wparam == WM_MOUSEMOVE) {
        const auto* event = reinterpret_cast<const MSLLHOOKSTRUCT*>(lparam);
        if ((event->dwExtraInfo & 0xFFFF0000) == TAG) {
            size_t index = event->dwExtraInfo & 0xFFFF;
            if (index < MAX_MOVES && seen_at[index] == 0) {
                seen_at[index] = now();
            }
        }
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

DWORD WINAPI run_hook(void*)
{
    HHOOK hook = SetWindowsHookExA(WH_MOUSE_LL, probe_hook, GetModuleHandleA(nullptr), 0);
    SetEvent(hook_ready);
    if (hook == nullptr) {
        return 1;
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        DispatchMessageA(&message);
    }
    UnhookWindowsHookEx(hook);
    return 0;
}

void measure(const char* name, int count)
{
    count = std::min(count, MAX_MOVES);
    std::memset(injected_at, 0, sizeof injected_at);
    std::memset(seen_at, 0, sizeof seen_at);
    for (int i = 0; i < count; ++i) {
        INPUT move = {};
        move.type = INPUT_MOUSE;
        move.mi.dwFlags = MOUSEEVENTF_MOVE;
        move.mi.dx = i % 2 == 0 ? 1 : -1;
        move.mi.dwExtraInfo = TAG | static_cast<ULONG_PTR>(i);
        injected_at[i] = now();
        SendInput(1, &move, sizeof move);
        Sleep(2);
    }
    Sleep(500); // the last moves on their way
    std::vector<double> latencies;
    int lost = 0;
    for (int i = 0; i < count; ++i) {
        if (seen_at[i] == 0) {
            ++lost;
        } else {
            latencies.push_back(static_cast<double>(seen_at[i] - injected_at[i]) * 1e6 /
                                static_cast<double>(frequency.QuadPart));
        }
    }
    std::sort(latencies.begin(), latencies.end());
    double median = latencies.empty() ? 0 : latencies[latencies.size() / 2];
    double worst = latencies.empty() ? 0 : latencies.back();
    std::printf("pointer_latency %s median_us %.0f max_us %.0f n %d lost %d\n", name, median, worst,
                static_cast<int>(latencies.size()), lost);
    std::fflush(stdout);
}

} // namespace

int main()
{
    QueryPerformanceFrequency(&frequency);
    hook_ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    DWORD hook_thread_id = 0;
    HANDLE thread = CreateThread(nullptr, 0, run_hook, nullptr, 0, &hook_thread_id);
    WaitForSingleObject(hook_ready, 5000);
    std::printf("ready\n");
    std::fflush(stdout);
    char line[256];
    while (std::fgets(line, sizeof line, stdin) != nullptr) {
        char name[64] = {};
        int count = 0;
        if (std::sscanf(line, "measure %63s %d", name, &count) == 2) {
            measure(name, count);
        } else if (std::strncmp(line, "quit", 4) == 0) {
            break;
        }
    }
    PostThreadMessageA(hook_thread_id, WM_QUIT, 0, 0);
    WaitForSingleObject(thread, 2000);
    return 0;
}
