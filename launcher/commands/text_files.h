// The Text folder's files of Text Clipboard items: created under names from the time, read
// whole within a size bound, shown in an edit box, and deleted only when they are the
// folder's own.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

struct LocalTime;

// The largest text a Text Clipboard item holds, in bytes: the text box takes no more, and
// no more of a text file is ever read.
constexpr size_t TEXT_SIZE_LIMIT = 256 * 1024;

// Results of reading a text file, and of copying one to the clipboard.
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

// Reads a text file of at most TEXT_SIZE_LIMIT bytes. Device names are refused before
// anything is opened, and only a file on a disk is read, so a reader never waits on a
// device or a pipe.
CopyResult read_text_file(const char* path, std::string& bytes);

// Shows a file's text in an edit box, every line break as CR LF.
void load_text_into_edit(HWND edit, const std::string& bytes);

// Creates a new, empty text file in the Text folder named from the time; a name already
// taken (two items within one millisecond) steps the milliseconds until one is free, so no
// text file is ever replaced. Returns the open file, or INVALID_HANDLE_VALUE.
void* create_text_file_at(const LocalTime& time, char* path, size_t path_size);

// The same, named from the local time now.
HANDLE create_new_text_file(char* path, size_t path_size);

// Deletes the text file of a Text Clipboard item, when it is one of the Text folder's own;
// any other file an item names is left alone.
void delete_own_text_file(const char* item);
