// The settings of chords and keys: which programs keep their chords, whether chords are
// paused, and the optional hotkey. Kept as text in Vantrel.ini, which the user may read and
// edit; Launcher.opt knows nothing of them.
#pragma once

#include <cstddef>
#include <cstdint>

#include "chords/hotkey_names.h"

constexpr size_t PROGRAM_NAME_SIZE = 260;
constexpr size_t MAX_EXCLUDED_PROGRAMS = 64;

struct ChordSettings {
    int32_t full_screen_passes; // a full-screen program keeps its chords
    int32_t paused;             // every program keeps its chords
    Hotkey hotkey;
    uint32_t excluded_count;
    char excluded[MAX_EXCLUDED_PROGRAMS][PROGRAM_NAME_SIZE]; // file names, each ending in its field
};

extern ChordSettings chord_settings;

// Full-screen programs keep their chords, nothing is paused, no hotkey, no program listed.
void default_chord_settings(ChordSettings& settings);

// Fills the settings from the text of a Vantrel.ini: the defaults, then every line it
// understands. Unknown sections, keys and values, damaged lines, names too long for their
// field or beyond the list's size, and repeated names are passed over.
void parse_chord_settings(ChordSettings& settings, const char* text, size_t length);

// The text of a Vantrel.ini holding the settings. Returns its length, or 0 when it does not
// fit the buffer.
size_t format_chord_settings(const ChordSettings& settings, char* text, size_t size);

// Adds a program's file name (a path gives its last part) unless it is empty, too long,
// listed already (in any case) or the list is full. Returns 1 when it was added.
int add_excluded_program(ChordSettings& settings, const char* name);
void remove_excluded_program(ChordSettings& settings, uint32_t index);

// Whether a program's file name is on the list, in any letter case.
bool program_excluded(const ChordSettings& settings, const char* file_name);

// Reads Vantrel.ini into chord_settings; a missing or damaged file gives the defaults.
// Returns 1 when the file opened.
int load_chord_settings();

// Writes chord_settings to Vantrel.ini as a whole new file; returns 1 on success.
int save_chord_settings();
