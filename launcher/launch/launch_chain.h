// Walking a launch chain: the panels already launched in the current chain, so that a loop
// of connections ends, and the working folder a path item is started in.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int LAUNCHED_PANEL_SLOTS = 10;
constexpr size_t WORKING_FOLDER_SIZE = 1024;

// Panel numbers launched so far in the current chain; 0 marks a free slot.
extern int32_t launched_panels[LAUNCHED_PANEL_SLOTS];

// Whether panel n (1..8) has been launched in the current chain. 0 is never a launched panel.
bool was_launched(int n);

// Records panel n in the first free slot; nothing happens when all slots are taken.
void mark_launched(int n);

// Frees every slot, before a chain the user starts.
void clear_launched_panels();

// The panel linked from panel n in the shown section and Shift state, 0 for none.
int next_linked_panel(int n);

// Starts the item of panel n of the current set; its item string is not empty.
using PanelStart = void (*)(int n);

// Launches panel n and then, along the connections of the shown section and Shift state,
// the panel linked from the last one: each is started with start and recorded as launched,
// unless it was launched before in this chain (so a loop of connections ends). A panel whose
// item string is empty ends the chain without being started.
void walk_launch_chain(int n, PanelStart start);

// Writes the folder part of a path item, up to and including its last backslash, into
// buffer (WORKING_FOLDER_SIZE bytes, zero-filled by the caller). Only the first
// WORKING_FOLDER_SIZE - 1 characters of item count; without a backslash buffer is untouched.
void get_item_folder_of(const char* item, char* buffer);
