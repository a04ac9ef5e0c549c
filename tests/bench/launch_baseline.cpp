// The least a launcher can do on a button release: hand the program named on the command
// line to the shell, in its own folder. The launch benchmark measures the real launcher's
// release-to-running time against this.
#include <windows.h>

#include <shellapi.h>

#include <string>

static std::string program;
static std::string folder;

static LRESULT CALLBACK baseline_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_LBUTTONUP:
        ShellExecuteA(nullptr, nullptr, program.c_str(), nullptr, folder.c_str(), SW_SHOWDEFAULT);
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
    folder = program.substr(0, program.rfind('\\'));
    WNDCLASSA window_class = {};
    window_class.lpfnWndProc = baseline_proc;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    window_class.lpszClassName = "LaunchBaseline";
    RegisterClassA(&window_class);
    HWND window = CreateWindowExA(0, "LaunchBaseline", "Launch Baseline", WS_POPUP | WS_CAPTION | WS_VISIBLE, 400,
                                  300, 423, 345, nullptr, nullptr, instance, nullptr);
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
