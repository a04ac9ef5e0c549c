#include "commands/text_file_place.h"

#include <cstring>

#include "store/item_string.h"

namespace {

char lower_ascii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Compares the first length characters, ASCII letters in either case alike.
bool same_ignoring_case(const char* a, const char* b, size_t length)
{
    for (size_t i = 0; i < length; ++i) {
        if (lower_ascii(a[i]) != lower_ascii(b[i])) {
            return false;
        }
    }
    return true;
}

bool is_plain_file_name(const char* name)
{
    size_t length = std::strlen(name);
    if (length == 0 || name[length - 1] == '.' || name[length - 1] == ' ') {
        return false;
    }
    for (const char* c = name; *c != '\0'; ++c) {
        if (static_cast<unsigned char>(*c) < 32 || std::strchr("\\/:*?\"<>|", *c) != nullptr) {
            return false;
        }
    }
    return !is_device_name(name);
}

} // namespace

bool is_device_name(const char* name)
{
    // The device part is the name up to its first dot, trailing spaces aside.
    size_t length = std::strcspn(name, ".");
    while (length > 0 && name[length - 1] == ' ') {
        --length;
    }
    static const char* const devices[] = {"con", "prn", "aux", "nul", "conin$", "conout$", "clock$"};
    for (const char* device : devices) {
        if (length == std::strlen(device) && same_ignoring_case(name, device, length)) {
            return true;
        }
    }
    // COM and LPT with one digit, or with the superscript one, two or three of the ANSI code page.
    if (length == 4 && (same_ignoring_case(name, "com", 3) || same_ignoring_case(name, "lpt", 3))) {
        unsigned char digit = static_cast<unsigned char>(name[3]);
        return (digit >= '0' && digit <= '9') || digit == 0xB9 || digit == 0xB2 || digit == 0xB3;
    }
    return false;
}

bool is_file_directly_in(const char* path, const char* folder)
{
    size_t folder_length = std::strlen(folder);
    size_t path_length = std::strlen(path);
    if (folder_length == 0 || path_length > ITEM_DATA_LIMIT || path_length <= folder_length + 1 ||
        !same_ignoring_case(path, folder, folder_length) || path[folder_length] != '\\') {
        return false;
    }
    return is_plain_file_name(path + folder_length + 1);
}

bool is_own_text_file(const char* path, const char* text_folder)
{
    return is_file_directly_in(path, text_folder);
}

int own_text_file_of(const char* item, const char* text_folder, char* out)
{
    if (!is_text_item(item)) {
        return 0;
    }
    char data[ITEM_DATA_SIZE] = {};
    get_item_data(item, data);
    // Data cut short at its limit would name another file than the one the item holds.
    const char* separator = std::strstr(item, "@1");
    if (separator == nullptr || std::strlen(separator + 2) > ITEM_DATA_LIMIT || !is_own_text_file(data, text_folder)) {
        return 0;
    }
    std::memcpy(out, data, sizeof data);
    return 1;
}
