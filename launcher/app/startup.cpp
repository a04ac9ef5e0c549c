#include "startup.h"

#include "command_line.h"
#include "launcher_window.h"
#include "single_instance.h"

int reboot_requested;

int run_launcher(HINSTANCE instance, const char* arguments)
{
    HWND running = find_running_instance(LAUNCHER_CAPTION);
    if (running != nullptr) {
        hand_over_to_running_instance(running);
        return 0;
    }
    reboot_requested = has_reboot_switch(arguments);

    if (create_launcher_window(instance) == nullptr) {
        return 1;
    }

    // A plain loop: keyboard messages must reach the launcher window's own handlers.
    MSG message;
    BOOL result;
    while ((result = GetMessageA(&message, nullptr, 0, 0)) != 0) {
        if (result == -1) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    DestroyWindow(main_window);
    return static_cast<int>(message.wParam);
}
