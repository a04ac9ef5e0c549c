// Whether a chord goes to the launcher or stays with the program it was made over: decided
// once, at the chord's completing press, from the paused switch, the program in front being
// full screen, and the program under the pointer being on the excluded list.
#pragma once

#include <cstdint>

#include "chordhook/full_screen.h"
#include "chords/chord_settings.h"

// The program file names of recently pointed-at top-level windows, so that a chord over a
// window seen before costs no lookup of its process. A window handle can be used again by a
// new window of another process: the process id is part of the key.
constexpr uint32_t PROGRAM_NAME_CACHE_SIZE = 8;

struct ProgramNameCache {
    struct Entry {
        uintptr_t window;
        uint32_t process_id;
        char name[PROGRAM_NAME_SIZE];
    } entries[PROGRAM_NAME_CACHE_SIZE];
    uint32_t next; // the entry the next new window replaces
};

// The cached name for the window and process, or nullptr.
const char* cached_program_name(const ProgramNameCache& cache, uintptr_t window, uint32_t process_id);
// Keeps a name (its file name part), replacing the oldest entry; returns the kept copy.
const char* remember_program_name(ProgramNameCache& cache, uintptr_t window, uint32_t process_id, const char* path);

// SHQueryUserNotificationState's answer now, 0 when the system cannot say. It can take a
// while: never asked where the hook waits for an answer.
int32_t notification_state_now();

// The launcher's answer when the hook asks at a chord's completing press: 1 when the chord
// stays with the program under the pointer. Asks the system only for what the settings need:
// nothing while paused, the foreground only with the full-screen switch on, the program
// under the pointer only when programs are listed; nothing of it waits on another process.
// notification_state is the system's last word on the foreground, kept current elsewhere;
// names caches the programs of recently pointed-at windows for the calling thread.
int chord_kept_by_program(const ChordSettings& settings, int32_t notification_state, ProgramNameCache& names, int x,
                          int y);

// The program file name of the window's process, through the cache.
const char* program_name_of_window(ProgramNameCache& names, uintptr_t window);
