#include "chordhook/full_screen.h"

// The foreground window, other than the desktop or the taskbar, covers its whole monitor.
static bool covers_its_monitor(const Foreground& foreground)
{
    const ScreenArea& window = foreground.window;
    const ScreenArea& monitor = foreground.monitor;
    bool empty_monitor = monitor.right <= monitor.left || monitor.bottom <= monitor.top;
    return foreground.has_window == 1 && foreground.shell_window == 0 && !empty_monitor &&
           window.left <= monitor.left && window.top <= monitor.top && window.right >= monitor.right &&
           window.bottom >= monitor.bottom;
}

bool full_screen_in_front(const Foreground& foreground)
{
    switch (foreground.notification_state) {
    case NOTIFICATION_D3D_FULL_SCREEN:
    case NOTIFICATION_PRESENTATION_MODE:
        return true;
    case NOTIFICATION_BUSY:
        // Some overlays keep the system "busy" for hours over ordinary desktops: busy counts
        // only with a window in front that covers its monitor, maximised with a caption or not.
        return covers_its_monitor(foreground);
    default:
        return covers_its_monitor(foreground) && foreground.maximised_captioned == 0;
    }
}
