#include "options/sound.h"

#include <cstdio>

#include "store/flag.h"
#include "options/options.h"
#include "files/paths.h"
#include "files/path_join.h"

namespace {

struct ThemeFiles {
    int32_t theme;
    const char* activation;
    const char* changing;
    const char* launching;
};

constexpr ThemeFiles theme_files[] = {
    {SOUND_THEME_BASIC, "basic-activation.wav", "basic-changing.wav", "basic-launching.wav"},
    {SOUND_THEME_ECHO, "echo-activation.wav", "echo-changing.wav", "echo-launching.wav"},
    {SOUND_THEME_BALLOON, "balloon-common.wav", "balloon-common.wav", "basic-launching.wav"},
    {SOUND_THEME_PINBALL, "pinball-activation.wav", "pinball-changing.wav", "pinball-launching.wav"},
    {SOUND_THEME_CLOCK, "clock-common.wav", "clock-common.wav", "clock-launching.wav"},
};

// Written over the previous path without clearing the rest of the field; a path too long
// for the field is cut short.
void set_install_path(char* field, const char* name)
{
    std::snprintf(field, OPTION_PATH_SIZE, "%s\\%s", install_folder, name);
}

} // namespace

void resolve_sound_files()
{
    if (!flag_on(options.use_sound)) {
        return;
    }
    if (options.sound_theme == SOUND_THEME_CUSTOM) {
        copy_text(options.sound_file_activation, OPTION_PATH_SIZE, options.custom_wav_activation);
        copy_text(options.sound_file_changing, OPTION_PATH_SIZE, options.custom_wav_changing);
        copy_text(options.sound_file_launching, OPTION_PATH_SIZE, options.custom_wav_launching);
        return;
    }
    for (const ThemeFiles& files : theme_files) {
        if (files.theme == options.sound_theme) {
            set_install_path(options.sound_file_activation, files.activation);
            set_install_path(options.sound_file_changing, files.changing);
            set_install_path(options.sound_file_launching, files.launching);
            return;
        }
    }
}

const char* sound_file_for_event(int event)
{
    switch (event) {
    case SOUND_ACTIVATION:
        return options.sound_file_activation;
    case SOUND_CHANGING_SECTION:
        return options.sound_file_changing;
    case SOUND_LAUNCHING:
        return options.sound_file_launching;
    default:
        return nullptr;
    }
}
