#include <windows.h>

#include <mmsystem.h>

#include "store/flag.h"
#include "options/options.h"
#include "options/sound.h"
#include "options/sound_player.h"

SoundPlayer sound_player = PlaySoundA;

void play_sound_effect(int event)
{
    if (!flag_on(options.use_sound)) {
        return;
    }
    const char* path = sound_file_for_event(event);
    if (path == nullptr) {
        return;
    }
    // Asynchronous, so neither the window's appearance nor a launch waits for the sound.
    sound_player(path, nullptr, SND_FILENAME | SND_ASYNC);
}
