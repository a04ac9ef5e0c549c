// The panels already launched in the current chain, so that a loop of connections ends,
// and the working folder a path item is started in.
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

// Writes the folder part of a path item, up to and including its last backslash, into
// buffer (WORKING_FOLDER_SIZE bytes, zero-filled by the caller). Only the first
// WORKING_FOLDER_SIZE - 1 characters of item count; without a backslash buffer is untouched.
void get_item_folder_of(const char* item, char* buffer);
