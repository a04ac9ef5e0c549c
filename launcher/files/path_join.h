// Fixed-size path and text buffers: joining a folder and a name, bounded copies, file names.
#pragma once

#include <cstddef>

constexpr size_t PATH_BUFFER_SIZE = 1024;

// Zero-fills out (size bytes) and copies at most size - 1 characters of text into it.
void copy_text(char* out, size_t size, const char* text);

// Writes folder + "\" + name into out (out_size bytes, zero-filled first). A result that
// would not fit leaves out empty rather than cut short, so a truncated name can never point
// at another file. Returns 1 when the path was written, 0 otherwise.
int join_path(char* out, size_t out_size, const char* folder, const char* name);

// The text after a path's last backslash or slash (the whole path when it has none).
const char* file_name_part(const char* path);

// A character with ASCII capitals made small, as Windows folds file names.
inline char ascii_lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Whether two paths name files of the same name (the text after the last backslash or
// slash), compared without regard to ASCII case, as Windows compares file names.
bool same_file_name(const char* path_a, const char* path_b);
