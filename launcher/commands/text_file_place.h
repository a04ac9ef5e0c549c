// Where the text of a Text Clipboard item may lie for the program to write or delete it:
// directly inside this user's Text folder. An item string read from a damaged or edited
// panel file may name any file at all; such a file is never written or deleted.
#pragma once

// Whether the file name is one the system reserves for a device (CON, PRN, AUX, NUL,
// COM0-9, LPT0-9, CONIN$, CONOUT$, CLOCK$), also with an extension ("NUL.txt").
bool is_device_name(const char* name);

// Whether path is the folder (letter case aside), one backslash and one plain file name, as
// below; and at most 950 characters in all.
bool is_file_directly_in(const char* path, const char* folder);

// Whether path is the Text folder (letter case aside), one backslash and one plain file
// name: no further separator, no stream, no "." or "..", no device name, no characters
// that no file name holds, no trailing dot or space; and at most 950 characters in all.
bool is_own_text_file(const char* path, const char* text_folder);

// For a Text Clipboard item whose whole data part is an own text file: copies that path
// into out (zero-filled by the caller, at least 951 bytes) and returns 1. Returns 0 and
// leaves out untouched for any other item.
int own_text_file_of(const char* item, const char* text_folder, char* out);
