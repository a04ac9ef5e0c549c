#include "commands/text_codec.h"

#include <cstdio>

void make_text_file_name(const LocalTime& time, char* out, size_t out_size)
{
    std::snprintf(out, out_size, "%04d%02d%02d%02d%02d%02d%02d.txt", time.year, time.month, time.day, time.hour,
                  time.minute, time.second, time.milliseconds);
}

std::string edit_text_from_file(const std::string& bytes)
{
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 16);
    for (size_t i = 0; i < bytes.size(); ++i) {
        char c = bytes[i];
        if (c == '\r') {
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n') {
                ++i;
            }
            text += "\r\n";
        } else if (c == '\n') {
            text += "\r\n";
        } else {
            text += c;
        }
    }
    return text;
}
