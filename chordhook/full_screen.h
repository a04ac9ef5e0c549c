// Whether the program in front is full screen: the one fact about the foreground that both
// the launcher and the in-process hook need. Free of platform calls, so that it can be
// tested natively.
#pragma once

#include <cstdint>

// SHQueryUserNotificationState's answers.
enum NotificationState : int32_t {
    NOTIFICATION_NOT_PRESENT = 1,
    NOTIFICATION_BUSY = 2,
    NOTIFICATION_D3D_FULL_SCREEN = 3,
    NOTIFICATION_PRESENTATION_MODE = 4,
    NOTIFICATION_ACCEPTS = 5,
    NOTIFICATION_QUIET_TIME = 6,
    NOTIFICATION_APP = 7,
};

struct ScreenArea {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};

// What the system says of the foreground window.
struct Foreground {
    int32_t notification_state;  // 0 when the system could not say
    int32_t has_window;          // there is a foreground window
    int32_t shell_window;        // it is the desktop or the taskbar
    ScreenArea window;           // its rectangle
    ScreenArea monitor;          // the whole of its monitor
    int32_t maximised_captioned; // a maximised window with a caption: an ordinary window
};

// A program is full screen when the system says so (a Direct3D full-screen program, a
// presentation), or when the foreground window, other than the desktop or the taskbar,
// covers its whole monitor. A maximised window with a caption is an ordinary window even
// where its borders reach past a monitor without a taskbar, unless the system also says it
// is busy (a video played full screen in it). Busy alone, over a window that does not cover
// its monitor, is not full screen.
bool full_screen_in_front(const Foreground& foreground);

#if defined(_WIN32)
// The foreground window's facts as the system gives them now, with the notification state
// the caller knows. Asks nothing of another process.
Foreground foreground_facts(int32_t notification_state);
#endif
