// Any Launcher.opt: loaded, the sound files resolved, every path read back ends inside its
// field, and the window position lies where a screen can show it.
#include <cstring>

#include "fuzz_files.h"
#include "options/options.h"
#include "options/sound.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz_folder();
    write_fuzz_file(options_path, data, size);
    std::strcpy(install_folder, "C:\\Program Files\\Brasmoor\\Vantrel");
    read_options_file(options);
    for (int32_t position : {options.window_x, options.window_y}) {
        if (position < WINDOW_POSITION_MIN || position > WINDOW_POSITION_MAX) {
            __builtin_trap();
        }
    }
    resolve_sound_files();
    for (int event : {11, 12, 13}) {
        if (std::strlen(sound_file_for_event(event)) >= OPTION_PATH_SIZE) {
            __builtin_trap();
        }
    }
    save_options();
    return 0;
}
