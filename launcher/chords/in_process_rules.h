// The rules the in-process hook of old Windows decides chords by, inside the programs under
// the pointer: published by the launcher in a named shared memory whenever they change.
#pragma once

#include <cstdint>

#include "chords/chord_settings.h"

// Writes the settings (and the system's word on the foreground) where the in-process hook
// reads them; the memory is created at the first call and kept for the launcher's life.
// Returns 1 when they were written.
int publish_in_process_rules(const ChordSettings& settings, int32_t notification_state);
