// Emailer and Text Clipboard items: their dialogs, their text files and the hidden dialog
// that copies a text file to the clipboard.
#pragma once

#include <cstddef>

#include "item_string.h"

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

// The largest text a Text Clipboard item holds, in bytes: the text box takes no more, and
// no more of a text file is ever read.
constexpr size_t TEXT_SIZE_LIMIT = 256 * 1024;

// Results of copy_text_file_to_clipboard.
enum CopyResult {
    COPY_DONE = 33,
    COPY_FILE_MISSING = 34,
    COPY_NO_EDIT_BOX = 35,
    COPY_TOO_LARGE = 36,
    COPY_NOT_A_FILE = 37,
};

// What the user is told when a text file is too large or no ordinary file; nullptr for
// any other result.
const char* text_file_refusal(int copy_result);

void add_emailer();
void add_text_clipboard();
void edit_emailer();
void edit_text_clipboard();

struct LocalTime;

// Creates a new, empty text file in the Text folder named from the time; a name already
// taken (two items within one millisecond) steps the milliseconds until one is free, so no
// text file is ever replaced. Returns the open file, or INVALID_HANDLE_VALUE.
void* create_text_file_at(const LocalTime& time, char* path, size_t path_size);

// Deletes the text file of a Text Clipboard item, when it is one of the Text folder's own;
// any other file an item names is left alone.
void delete_own_text_file(const char* item);

// Puts the text file's whole text on the clipboard.
int copy_text_file_to_clipboard(const char* path);
