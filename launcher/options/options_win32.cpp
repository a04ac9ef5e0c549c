// The parts of loading the options that ask the system: the screen for the defaults.
#include <windows.h>

#include <cstring>

#include "state/window_state.h"
#include "options/options.h"
#include "options/sound.h"

void set_default_options()
{
    HDC context = GetDC(main_window);
    int width = GetDeviceCaps(context, HORZRES);
    int height = GetDeviceCaps(context, VERTRES);
    ReleaseDC(main_window, context);
    apply_default_options(options, width, height, classify_display());
}

void load_options()
{
    if (read_options_file(options) == 0) {
        std::memset(&options, 0, sizeof options);
        set_default_options();
    }
    resolve_sound_files();
}
