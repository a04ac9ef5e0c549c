#include "launch/browser_command.h"

#include <cstring>

namespace {

bool is_ascii_letter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool is_scheme_character(char c)
{
    return is_ascii_letter(c) || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}

char lower_ascii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Whether address starts with scheme (lower case, colon included), in any letter case.
bool starts_with_scheme(const char* address, const char* scheme)
{
    size_t i = 0;
    for (; scheme[i] != '\0'; ++i) {
        if (lower_ascii(address[i]) != scheme[i]) {
            return false;
        }
    }
    return true;
}

bool is_control_character(char c)
{
    unsigned char byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

// Whether the address can go to the browser as it stands; anything else is left to the shell.
bool is_passable_address(const char* address)
{
    if (!has_url_scheme(address)) {
        return false;
    }
    // Script addresses run code instead of naming a page.
    if (starts_with_scheme(address, "javascript:") || starts_with_scheme(address, "vbscript:")) {
        return false;
    }
    size_t length = std::strlen(address);
    for (size_t i = 0; i < length; ++i) {
        // Control characters (CR, LF, tab...) are refused rather than encoded: no web address holds one raw.
        if (is_control_character(address[i])) {
            return false;
        }
    }
    // A final backslash would escape the closing quotation mark, and doubling it would be wrong
    // where the byte is the second half of a double-byte character, so such an address is refused.
    return address[length - 1] != '\\';
}

} // namespace

bool has_url_scheme(const char* address)
{
    if (!is_ascii_letter(address[0])) {
        return false;
    }
    size_t i = 1;
    while (is_scheme_character(address[i])) {
        ++i;
    }
    return address[i] == ':';
}

int build_browser_command_line(char* out, size_t out_size, const char* browser, const char* address)
{
    std::memset(out, 0, out_size);
    if (browser[0] == '\0' || std::strchr(browser, '"') != nullptr || !is_passable_address(address)) {
        return 0;
    }
    // Quote, browser, quote, space, quote, encoded address, quote, terminating zero.
    size_t needed = std::strlen(browser) + 6;
    for (const char* c = address; *c != '\0'; ++c) {
        needed += *c == '"' ? 3 : 1;
    }
    if (needed > out_size) {
        return 0;
    }
    char* write = out;
    *write++ = '"';
    size_t browser_length = std::strlen(browser);
    std::memcpy(write, browser, browser_length);
    write += browser_length;
    std::memcpy(write, "\" \"", 3);
    write += 3;
    for (const char* c = address; *c != '\0'; ++c) {
        if (*c == '"') {
            std::memcpy(write, "%22", 3);
            write += 3;
        } else {
            *write++ = *c;
        }
    }
    *write = '"';
    return 1;
}
