// A window that records the mouse button messages it receives, one line each.
// Usage: click_probe LOG X Y WIDTH HEIGHT
#include <windows.h>

#include <cstdlib>

#include "probe_log.h"

static const char* log_path;

static LRESULT CALLBACK probe_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    const char* name = nullptr;
    switch (message) {
    case WM_LBUTTONDOWN:
        name = "LDOWN";
        break;
    case WM_LBUTTONUP:
        name = "LUP";
        break;
    case WM_LBUTTONDBLCLK:
        name = "LDBL";
        break;
    case WM_RBUTTONDOWN:
        name = "RDOWN";
        break;
    case WM_RBUTTONUP:
        name = "RUP";
        break;
    case WM_RBUTTONDBLCLK:
        name = "RDBL";
        break;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wparam, lparam);
    }
    append_log_line(log_path, name);
    return 0;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    if (__argc < 6) {
        return 2;
    }
    log_path = __argv[1];
    WNDCLASSA window_class = {};
    window_class.lpfnWndProc = probe_proc;
    window_class.hInstance = instance;
    window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    window_class.lpszClassName = "ClickProbe";
    RegisterClassA(&window_class);
    HWND window = CreateWindowExA(WS_EX_TOPMOST, "ClickProbe", "Click Probe", WS_POPUP | WS_BORDER | WS_VISIBLE,
                                  std::atoi(__argv[2]), std::atoi(__argv[3]), std::atoi(__argv[4]),
                                  std::atoi(__argv[5]), nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return 1;
    }
    append_log_line(log_path, "READY");
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
