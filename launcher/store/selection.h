// Which of the six panel sets is shown: the section (0 centre, 1 left, 2 right), the Shift
// state, and a Shift release to be ignored after an activation with Shift held.
#pragma once

#include <cstdint>

extern int32_t section;
extern int32_t shift_active;
extern int32_t shift_release_pending;

enum class Direction { forward, backward };

// Forward 0 -> 1 -> 2 -> 0, backward 0 -> 2 -> 1 -> 0; any other value stays as it is.
int32_t stepped_section(int32_t from, Direction direction);

// Recomputes current_set from shift_active and section; a section outside 0..2 selects the
// centre section of the same Shift state.
void select_current_set();

// Returns to the centre section and selects its set; the view redraws around it.
void reset_section_state();

// The Shift state sampled at an activation: both flags follow whether a Shift key is down.
void set_shift_from_activation(bool shift_key_down);

// A Shift release or middle press: returns false when it only cleared a pending release,
// true when it inverted shift_active (the caller then returns to the centre section,
// redraws and plays the changing-section sound).
bool toggle_shift_state();
