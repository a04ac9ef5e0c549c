// File names of dropped files and of their copies in the Shortcuts folder.
#pragma once

#include <cstddef>

// Copies what follows the path's last backslash into out and returns 1; returns 0 (out
// untouched) when that backslash is the path's first character or there is none.
int extract_file_name(const char* path, char* out, size_t out_size);

// Whether a dropped file is a shortcut that may be moved into the Shortcuts folder: longer
// than four characters and ending exactly in ".lnk" or ".url" (letter case as written).
bool is_movable_shortcut(const char* path);

// The name of the n-th copy of a file when the name is taken: "Editor.lnk", 2 gives
// "Editor (2).lnk"; the number goes before the last dot of the name itself, or at the end
// when the name has none. Returns 0 when it does not fit out_size.
int numbered_file_name(const char* name, int number, char* out, size_t out_size);
