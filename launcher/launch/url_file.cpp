#include "url_file.h"

#include <cstdio>
#include <cstring>

namespace {

// Reads the next line (or piece of a long line) into line; false at the end of the file.
bool read_line(std::FILE* file, char (&line)[URL_LINE_SIZE])
{
    std::memset(line, 0, sizeof line);
    return std::fgets(line, static_cast<int>(URL_LINE_SIZE - 1), file) != nullptr;
}

// A line ends in "\n" or "\r\n"; the text mode of other systems leaves the "\r" in place, and
// a file's last line may end in a bare "\r".
void strip_line_break(char* text)
{
    size_t length = std::strlen(text);
    if (length > 0 && text[length - 1] == '\n') {
        text[--length] = '\0';
    }
    if (length > 0 && text[length - 1] == '\r') {
        text[--length] = '\0';
    }
}

// The address of the first "URL=" line after the section header, or nullptr; it points into
// line.
const char* find_address(std::FILE* file, char (&line)[URL_LINE_SIZE])
{
    bool in_section = false;
    while (read_line(file, line)) {
        if (!in_section) {
            in_section = std::strstr(line, "[InternetShortcut]") != nullptr;
            continue;
        }
        const char* key = std::strstr(line, "URL=");
        if (key != nullptr) {
            strip_line_break(line);
            return key + 4;
        }
    }
    return nullptr;
}

} // namespace

int read_url_file(const char* path, char* address, size_t address_size)
{
    std::memset(address, 0, address_size);
    std::FILE* file = std::fopen(path, "r");
    if (file == nullptr) {
        return 0;
    }
    char line[URL_LINE_SIZE];
    const char* found = find_address(file, line);
    std::fclose(file);
    if (found == nullptr) {
        return 0;
    }
    size_t length = std::strlen(found);
    if (length >= address_size) {
        return 0;
    }
    std::memcpy(address, found, length);
    return 1;
}
