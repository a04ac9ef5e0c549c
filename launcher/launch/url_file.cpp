#include "launch/url_file.h"

#include <cstdio>
#include <cstring>

namespace {

// Where reading the rest of a line for a text stopped.
enum class LineScan { found, line_end, file_end };

// Reads on in the current line until text has been read whole (the file then stands just
// after it), or until the line or the file ends. Lines are not read into a buffer, so a text
// is found wherever it stands in a line of any length.
template <size_t Size> LineScan read_past(std::FILE* file, const char (&text)[Size])
{
    constexpr size_t length = Size - 1;
    static_assert(length > 0, "a text to look for");
    // The last characters read, as many as text has.
    char window[length] = {};
    size_t held = 0;
    for (int c = std::getc(file); c != EOF; c = std::getc(file)) {
        if (c == '\n') {
            return LineScan::line_end;
        }
        if (held == length) {
            std::memmove(window, window + 1, length - 1);
            --held;
        }
        window[held++] = static_cast<char>(c);
        if (held == length && std::memcmp(window, text, length) == 0) {
            return LineScan::found;
        }
    }
    return LineScan::file_end;
}

// Moves on to the first later line holding text, and past text in it; false at the end of
// the file.
template <size_t Size> bool find_line_with(std::FILE* file, const char (&text)[Size])
{
    for (;;) {
        LineScan scan = read_past(file, text);
        if (scan != LineScan::line_end) {
            return scan == LineScan::found;
        }
    }
}

void skip_rest_of_line(std::FILE* file)
{
    for (int c = std::getc(file); c != EOF && c != '\n'; c = std::getc(file)) {
    }
}

// Reads the rest of the line into value without its line break ("\n", "\r\n", or a final
// bare "\r"). False when it holds more than value_size - 1 characters or a NUL byte, which
// would cut it short: the caller then uses none of it.
bool read_rest_of_line(std::FILE* file, char* value, size_t value_size)
{
    size_t length = 0;
    // A carriage return is held back until it is known not to end the line.
    bool carriage_return = false;
    for (int c = std::getc(file); c != EOF && c != '\n'; c = std::getc(file)) {
        if (carriage_return) {
            if (length + 1 >= value_size) {
                return false;
            }
            value[length++] = '\r';
        }
        carriage_return = c == '\r';
        if (carriage_return) {
            continue;
        }
        if (c == '\0' || length + 1 >= value_size) {
            return false;
        }
        value[length++] = static_cast<char>(c);
    }
    return true;
}

// The address of the first "URL=" line after the line holding the section header.
bool read_address(std::FILE* file, char* address, size_t address_size)
{
    if (!find_line_with(file, "[InternetShortcut]")) {
        return false;
    }
    // The header's own line is not searched for the address.
    skip_rest_of_line(file);
    return find_line_with(file, "URL=") && read_rest_of_line(file, address, address_size);
}

} // namespace

int read_url_file(const char* path, char* address, size_t address_size)
{
    std::memset(address, 0, address_size);
    std::FILE* file = std::fopen(path, "r");
    if (file == nullptr) {
        return 0;
    }
    bool found = read_address(file, address, address_size);
    std::fclose(file);
    if (!found) {
        std::memset(address, 0, address_size);
        return 0;
    }
    return 1;
}
