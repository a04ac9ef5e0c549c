// Sound effects: the theme's three .wav files, and playing them for the three events.
#pragma once

enum SoundEvent {
    SOUND_ACTIVATION = 11,
    SOUND_CHANGING_SECTION = 12,
    SOUND_LAUNCHING = 13,
};

// The theme's files as paths in the install folder (Custom: the user's own paths). Leaves
// the resolved paths alone while sound is off or the theme is unknown.
void resolve_sound_files();

// The resolved path for an event, or null for an unknown event.
const char* sound_file_for_event(int event);

// Starts the event's sound asynchronously, unless sound is off.
void play_sound_effect(int event);
