// The Emailer and Text Clipboard dialogs: adding an item to the selected empty panel and
// editing the selected one.
#pragma once

#include <cstddef>

#include "store/item_string.h"

constexpr size_t DISPLAY_NAME_SIZE = 21;

// The fields a dialog edits.
struct ItemEditFields {
    char display_name[DISPLAY_NAME_SIZE];
    char item_data[ITEM_DATA_SIZE];
};
static_assert(sizeof(ItemEditFields) == 972, "dialog fields");

extern ItemEditFields emailer_fields;
extern ItemEditFields text_fields;
extern int editing_text_item;

void add_emailer();
void add_text_clipboard();
void edit_emailer();
void edit_text_clipboard();
