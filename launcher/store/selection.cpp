#include "store/selection.h"

#include "store/panel_set.h"

int32_t section;
int32_t shift_active;
int32_t shift_release_pending;

void select_current_set()
{
    int shift = shift_active == 1 ? 1 : 0;
    int section_number = section >= 0 && section < SECTION_COUNT ? section : 0;
    current_set = &panel_sets[panel_set_index(shift, section_number)];
}

int32_t stepped_section(int32_t from, Direction direction)
{
    if (from < 0 || from > 2) {
        return from;
    }
    return direction == Direction::forward ? (from + 1) % 3 : (from + 2) % 3;
}

void reset_section_state()
{
    section = 0;
    select_current_set();
}

void set_shift_from_activation(bool shift_key_down)
{
    shift_active = shift_key_down ? 1 : 0;
    shift_release_pending = shift_active;
}

bool toggle_shift_state()
{
    if (shift_release_pending == 1) {
        shift_release_pending = 0;
        return false;
    }
    shift_active = shift_active == 1 ? 0 : 1;
    return true;
}
