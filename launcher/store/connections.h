// Connections between panels: launching panel n also launches the panel its entry names,
// in the same section and Shift state. One table per Shift state, one row per section.
#pragma once

#include <cstddef>
#include <cstdint>

#include "store/panel_set.h"

#pragma pack(push, 1)
// The byte image of a connection file: links[section][panel - 1], 0 for none, else 1..8.
struct ConnectionTable {
    int32_t links[SECTION_COUNT][PANELS_PER_SET];
};
#pragma pack(pop)

static_assert(sizeof(ConnectionTable) == 96, "connection file size");
static_assert(offsetof(ConnectionTable, links[1][0]) == 32, "one 32-byte row per section");
static_assert(offsetof(ConnectionTable, links[2][7]) == 92, "last entry");

extern ConnectionTable connections;
extern ConnectionTable connections_shift;

// The table of the shown Shift state.
ConnectionTable& current_connections();

// The panel (1..8) that panel n of the shown section and Shift state is connected to, or 0.
// An entry outside 1..8 from a damaged file counts as no connection; a section outside 0..2
// reads the centre row, as the panels shown do.
int linked_panel(int panel);

// Stores the connection of panel n in the shown section and Shift state (0 removes it).
// Returns whether the stored entry changed.
bool set_linked_panel(int panel, int target);

// Start-up: both tables from their files; missing or short files leave zeros.
void load_connections();

// Writes both tables to their files.
int save_connections();
