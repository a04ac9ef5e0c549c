#include "options/options.h"

#include <initializer_list>

#include "files/paths.h"
#include "store/record_file.h"

LauncherOptions options;

void apply_default_options(LauncherOptions& record, int screen_width, int screen_height, int display_class)
{
    bool usable = screen_width >= 370 && screen_width <= 9998 && screen_height >= 350 && screen_height <= 9998;
    if (usable) {
        record.remember_location = 1;
        bool dpi_120 = display_class == 0;
        record.window_x = screen_width - (dpi_120 ? 480 : 390);
        record.window_y = screen_height - (dpi_120 ? 500 : 390);
    } else {
        record.remember_location = 0;
    }
    record.open_in_new_browser = 1;
    record.delayed_launching = 0;
    record.skip_restore_minimize = 1;
    record.remove_original_shortcuts = 0;
    record.use_sound = 1;
    record.sound_theme = SOUND_THEME_ECHO;
    record.activate_at_mouse = 0;
    record.reverse_scroll = 0;
}

int32_t clamp_window_position(int32_t stored)
{
    if (stored < WINDOW_POSITION_MIN) {
        return WINDOW_POSITION_MIN;
    }
    return stored > WINDOW_POSITION_MAX ? WINDOW_POSITION_MAX : stored;
}

int read_options_file(LauncherOptions& record)
{
    int opened = read_record_file(options_path, &record, sizeof record);
    // Before anything adds the window's size to them.
    record.window_x = clamp_window_position(record.window_x);
    record.window_y = clamp_window_position(record.window_y);
    for (char* field : {record.sound_file_activation, record.sound_file_changing, record.sound_file_launching,
                        record.custom_wav_activation, record.custom_wav_changing, record.custom_wav_launching}) {
        field[OPTION_PATH_SIZE - 1] = '\0';
    }
    return opened;
}

int save_options()
{
    return save_data_file(options_path, &options, sizeof options);
}
