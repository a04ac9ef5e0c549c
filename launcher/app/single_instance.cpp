#include "single_instance.h"

#include <cstring>

#include "launcher_window.h"

HWND find_running_instance(const char* caption)
{
    char text[1024];
    for (HWND window = GetWindow(GetDesktopWindow(), GW_CHILD); window != nullptr;
         window = GetWindow(window, GW_HWNDNEXT)) {
        std::memset(text, 0, sizeof text);
        GetWindowTextA(window, text, sizeof text);
        if (std::strcmp(text, caption) == 0) {
            return window;
        }
    }
    return nullptr;
}

void hand_over_to_running_instance(HWND window)
{
    show_launcher_window(window);
}
