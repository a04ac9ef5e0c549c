#include "state/window_state.h"

#include "state/display_class.h"

HWND main_window;
int startup_complete;
int window_shown;
int activation_pending;
int display_class;
int launch_allowed = 1;

int classify_display()
{
    HDC context = CreateICA("DISPLAY", nullptr, nullptr, nullptr);
    int dpi_x = GetDeviceCaps(context, LOGPIXELSX);
    int dpi_y = GetDeviceCaps(context, LOGPIXELSY);
    DeleteDC(context);
    return display_class_from_dpi(dpi_x, dpi_y);
}
