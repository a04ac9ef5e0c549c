// The least a chord launcher can do: the same hook library posts the chord message, and
// the window is shown topmost with the pointer moved onto it. The activation benchmark
// measures the real launcher against this.
#include <windows.h>

#include "chordhook/chordhook.h"

static LRESULT CALLBACK baseline_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_CHORD_ACTIVATE: {
        RECT rect;
        GetWindowRect(window, &rect);
        SetWindowPos(window, HWND_TOPMOST, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                     SWP_SHOWWINDOW);
        SetCursorPos(rect.left + 175, rect.top + 172);
        return 1;
    }
    case WM_CLOSE:
        ShowWindow(window, SW_HIDE);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wparam, lparam);
    }
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    WNDCLASSA window_class = {};
    window_class.lpfnWndProc = baseline_proc;
    window_class.hInstance = instance;
    window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    window_class.lpszClassName = "ActivationBaseline";
    RegisterClassA(&window_class);
    HWND window =
        CreateWindowExA(WS_EX_APPWINDOW, "ActivationBaseline", "Activation Baseline",
                        WS_POPUP | WS_CAPTION | WS_SYSMENU, 400, 300, 423, 345, nullptr, nullptr, instance, nullptr);
    _install_module_vista(window);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    _remove_module();
    return 0;
}
