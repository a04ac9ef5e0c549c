// The least a launcher can do on a button release: hand the program named on the command
// line to the shell, in its own folder. The launch benchmark measures the real launcher's
// release-to-running time against this. Started with "/hide " before the program, it also
// hides its window at once after the shell call, and shows it again a moment
// later (without taking the keyboard) for the next release.
#include <windows.h>

#include <shellapi.h>

#include <string>

static std::string program;
static std::string folder;
static bool hides = false;
constexpr UINT_PTR TIMER_SHOW_AGAIN = 1;

static LRESULT CALLBACK baseline_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_LBUTTONUP:
        ShellExecuteA(nullptr, nullptr, program.c_str(), nullptr, folder.c_str(), SW_SHOWDEFAULT);
        if (hides) {
            ShowWindow(window, SW_HIDE);
            SetTimer(window, TIMER_SHOW_AGAIN, 250, nullptr);
        }
        return 0;
    case WM_TIMER:
        KillTimer(window, TIMER_SHOW_AGAIN);
        ShowWindow(window, SW_SHOWNA);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wparam, lparam);
    }
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR command_line, int)
{
    program = command_line;
    hides = program.rfind("/hide ", 0) == 0;
    if (hides) {
        program = program.substr(6);
    }
    folder = program.substr(0, program.rfind('\\'));
    WNDCLASSA window_class = {};
    window_class.lpfnWndProc = baseline_proc;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    window_class.lpszClassName = "LaunchBaseline";
    RegisterClassA(&window_class);
    // The hiding one stands over part of the other, as the launcher does, so that its hide
    // uncovers a window that must repaint and hands the keyboard to it.
    HWND window = CreateWindowExA(0, "LaunchBaseline", hides ? "Launch Baseline Hiding" : "Launch Baseline",
                                  WS_POPUP | WS_CAPTION | WS_VISIBLE, hides ? 600 : 400, hides ? 100 : 300, 423, 345,
                                  nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return 1;
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
