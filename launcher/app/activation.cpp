#include "app/activation.h"

#include "options/options.h"
#include "state/window_state.h"
#include "store/flag.h"
#include "store/selection.h"
#include "view/pointer.h"
#include "window/show_hide.h"

void on_chord_activate()
{
    if (hide_after_start_pending()) {
        hide_launcher_window(main_window);
    }
    if (window_shown == 0) {
        request_activation();
    }
}

bool defer_to_open_dialog()
{
    if (main_window == nullptr || (IsWindowEnabled(main_window) && launch_allowed != 0)) {
        return false;
    }
    HWND popup = GetLastActivePopup(main_window);
    if (popup != nullptr && popup != main_window) {
        SetForegroundWindow(popup);
    }
    return true;
}

void activate_launcher_window()
{
    if (defer_to_open_dialog()) {
        return;
    }
    reset_section();
    show_launcher_window(main_window);
}

void request_activation()
{
    if (startup_complete == 0 || defer_to_open_dialog()) {
        return;
    }
    display_class = classify_display();
    bool shift_down = (GetAsyncKeyState(VK_LSHIFT) & 0x8000) != 0 || (GetAsyncKeyState(VK_RSHIFT) & 0x8000) != 0;
    set_shift_from_activation(shift_down);
    if (flag_on(options.delayed_launching)) {
        activation_pending = 1;
        // The options dialog offers 500 and 1000 ms; a damaged options file must not keep
        // the window away for days.
        UINT delay =
            options.launch_delay_ms < MAX_ACTIVATION_DELAY_MS ? options.launch_delay_ms : MAX_ACTIVATION_DELAY_MS;
        SetTimer(main_window, TIMER_DELAYED_ACTIVATION, delay, nullptr);
        return;
    }
    activate_launcher_window();
}

void end_activation_delay(HWND window)
{
    KillTimer(window, TIMER_DELAYED_ACTIVATION);
    if (activation_pending == 1) {
        activation_pending = 0;
        activate_launcher_window();
    }
}
