// Text Clipboard text files: their names from the local time, and their contents, which are
// the edit box's text as typed: lines joined by CR LF, no line break after the last line,
// an empty line as a bare line break.
#pragma once

#include <cstddef>
#include <string>

struct LocalTime {
    int year, month, day, hour, minute, second, milliseconds;
};

// "%04d%02d%02d%02d%02d%02d%02d.txt" from the time: 20 or 21 characters.
void make_text_file_name(const LocalTime& time, char* out, size_t out_size);

// The text an edit box shows for a file's bytes: every line break, however the file
// writes it (CR LF, LF or CR), becomes CR LF; nothing is cut.
std::string edit_text_from_file(const std::string& bytes);
