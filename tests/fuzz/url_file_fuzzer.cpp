// Any internet shortcut file: the address read from it stays inside its buffer, and a command
// line built from it holds the browser and the address as exactly two quoted arguments, with
// no quotation mark inside either.
#include <cstring>
#include <string>

#include "launch/browser_command.h"
#include "fuzz_files.h"
#include "launch/url_file.h"

namespace {

const char* const browser = "C:\\Program Files\\Web Browser\\browser.exe";

void check(bool condition)
{
    if (!condition) {
        __builtin_trap();
    }
}

// The address as the command line must carry it: every quotation mark written as %22.
std::string encoded(const char* address)
{
    std::string text;
    for (const char* c = address; *c != '\0'; ++c) {
        text += *c == '"' ? std::string("%22") : std::string(1, *c);
    }
    return text;
}

void check_command_line(const char* command, const char* address)
{
    std::string line = command;
    std::string expected = "\"" + std::string(browser) + "\" \"" + encoded(address) + "\"";
    check(line == expected);
    // Exactly four quotation marks: two round each argument.
    size_t marks = 0;
    for (char c : line) {
        marks += c == '"' ? 1 : 0;
    }
    check(marks == 4);
    // The closing mark is not escaped by a backslash, and no line break or control character
    // could end the command early.
    check(line[line.size() - 2] != '\\');
    for (char c : line) {
        unsigned char byte = static_cast<unsigned char>(c);
        check(byte >= 0x20 && byte != 0x7F);
    }
    check(has_url_scheme(address));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = fuzz_folder() + "/shortcut.url";
    write_fuzz_file(path.c_str(), data, size);

    char address[URL_ADDRESS_SIZE + 1];
    std::memset(address, 'x', sizeof address);
    address[URL_ADDRESS_SIZE] = '\0';
    int found = read_url_file(path.c_str(), address, URL_ADDRESS_SIZE);
    check(address[URL_ADDRESS_SIZE] == '\0');
    size_t length = std::strlen(address);
    check(length <= URL_MAX_LENGTH);
    if (found != 1) {
        check(length == 0);
        return 0;
    }
    // The address never carries its line break.
    check(length == 0 || address[length - 1] != '\n');

    char command[BROWSER_COMMAND_SIZE];
    if (build_browser_command_line(command, sizeof command, browser, address) == 1) {
        check_command_line(command, address);
    } else {
        check(command[0] == '\0');
    }
    return 0;
}
