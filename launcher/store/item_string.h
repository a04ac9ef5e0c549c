// The item string forms a panel can hold: a path, an Emailer item ("@E" name "@1"
// addresses) or a Text Clipboard item ("@T" name "@1" text-file path).
#pragma once

#include <cstddef>

constexpr size_t ITEM_TEXT_SIZE = 1024;
// The part after "@1" is at most this long; callers pass a zeroed buffer one byte larger.
constexpr size_t ITEM_DATA_LIMIT = 950;
constexpr size_t ITEM_DATA_SIZE = ITEM_DATA_LIMIT + 1;
// Display names of Emailer and Text Clipboard items are at most 19 characters.
constexpr size_t ITEM_NAME_LIMIT = 19;

// Longer than two characters and starting with '@'. None of the tests reads past the NUL.
bool is_special_item(const char* item);
bool is_emailer_item(const char* item);
bool is_text_item(const char* item);

// Copies the display name of a special item (between the prefix and the first "@1") into
// out, which the caller has zero-filled and which holds at least ITEM_TEXT_SIZE bytes.
// Leaves out untouched when there is none (4 characters or fewer, or no "@1").
void get_item_name(const char* item, char* out);

// Copies what follows the first "@1", at most ITEM_DATA_LIMIT characters, into out (zero-
// filled by the caller, at least ITEM_DATA_SIZE bytes); untouched when there is none.
void get_item_data(const char* item, char* out);

// Whether a display name typed by the user reads back whole from the item string built
// with it: the first "@1" of the string must be the one after the name.
bool display_name_allowed(const char* name);
