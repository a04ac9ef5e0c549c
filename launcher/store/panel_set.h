// The six panel sets: three sections (centre, left, right) in a normal and a Shift state,
// each eight panels, each stored as its own file.
#pragma once

#include <cstddef>
#include <cstdint>

#include "store/item_string.h"

constexpr int PANELS_PER_SET = 8;
constexpr int SECTION_COUNT = 3;
constexpr int PANEL_SET_COUNT = 2 * SECTION_COUNT;

#pragma pack(push, 1)
// The byte image of one panel file: panel n is element n - 1 of both arrays.
struct PanelSet {
    int32_t occupied[PANELS_PER_SET];
    char item_text[PANELS_PER_SET][ITEM_TEXT_SIZE];
};
#pragma pack(pop)

static_assert(sizeof(PanelSet) == 8224, "panel file size");
static_assert(offsetof(PanelSet, occupied) == 0, "occupied flags first");
static_assert(offsetof(PanelSet, item_text) == 32, "item strings after the flags");
static_assert(offsetof(PanelSet, item_text[1]) == 32 + 1024, "item strings 1024 bytes apart");

// Index into panel_sets of the set for a Shift state and section.
constexpr int panel_set_index(int shift, int section_number)
{
    return shift * SECTION_COUNT + section_number;
}

extern PanelSet panel_sets[PANEL_SET_COUNT];
extern PanelSet* current_set;
extern int32_t panel_file_missing;

// Puts an item on panel n (1..8) of the set: its flag 1, its slot zero-filled and then
// holding the item's first ITEM_TEXT_SIZE - 1 bytes. Every change that fills a panel comes
// here.
void put_panel_item(PanelSet& set, int panel, const char* item);

// Empties panel n (1..8): its flag 0 and its slot zero-filled.
void clear_panel_item(PanelSet& set, int panel);

// Whether panel n (1..8) of the set holds an item: its flag is 1. Every part of the program
// asks this one question, so a damaged flag means the same to the view, the menus, the
// commands and the launch.
bool is_occupied(const PanelSet& set, int panel);

// The file path of each set, in panel_sets order.
const char* panel_set_path(int index);

// Start-up: every set read from its file (missing files leave empty sets).
// panel_file_missing tells whether Launcher.lst could not be opened.
void load_panel_data();

// Writes the current set to its file.
int save_panel_data();

// Writes the set with the given index to its file.
int save_panel_set(int index);

// After a load: every item string ends within its 1024 bytes, whatever the file held.
void terminate_item_strings(PanelSet& set);
