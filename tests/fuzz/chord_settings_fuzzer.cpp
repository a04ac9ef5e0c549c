// Any Vantrel.ini: loaded, every name ends inside its field, and what a save writes reads
// back as the same settings.
#include <cstring>

#include "chords/chord_settings.h"
#include "fuzz_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz_folder();
    write_fuzz_file(chord_settings_path, data, size);
    load_chord_settings();
    if (chord_settings.excluded_count > MAX_EXCLUDED_PROGRAMS) {
        __builtin_trap();
    }
    for (uint32_t i = 0; i < chord_settings.excluded_count; ++i) {
        size_t length = strnlen(chord_settings.excluded[i], PROGRAM_NAME_SIZE);
        if (length == 0 || length == PROGRAM_NAME_SIZE) {
            __builtin_trap();
        }
    }
    ChordSettings loaded = chord_settings;
    if (save_chord_settings() != 1 || load_chord_settings() != 1 ||
        std::memcmp(&loaded, &chord_settings, sizeof loaded) != 0) {
        __builtin_trap();
    }
    return 0;
}
