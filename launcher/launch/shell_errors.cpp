#include "launch/shell_errors.h"

#include <cstdio>
#include <cstring>

namespace {

struct ShellErrorText {
    int code;
    const char* message;
};

constexpr int BAD_FORMAT = 11;
constexpr const char* BAD_FORMAT_BEFORE_SIGN = "The .exe file is invalid (non-Win32";
constexpr const char* BAD_FORMAT_AFTER_SIGN = " .exe or error in .exe image).";
constexpr const char* PLAIN_REGISTERED_SIGN = "(R)";

const ShellErrorText shell_error_texts[] = {
    {0, "The operating system is out of memory or resources."},
    {2, "The specified file was not found."},
    {3, "The specified path was not found."},
    {5, "The operating system denied access to the specified file."},
    {8, "There was not enough memory to complete the operation."},
    {BAD_FORMAT, "The .exe file is invalid (non-Win32(R) .exe or error in .exe image)."},
    {26, "A sharing violation occurred."},
    {27, "The file name association is incomplete or invalid."},
    {28, "The DDE transaction could not be completed because the request timed out."},
    {29, "The DDE transaction failed."},
    {30, "The DDE transaction could not be completed because other DDE transactions were being processed."},
    {31, "There is no application associated with the given file name extension."},
    {32, "The specified dynamic-link library was not found."},
};

const char* const OTHER_SHELL_ERROR = "Cannot execute the specified file.";

} // namespace

const char* shell_error_message(int code)
{
    for (const ShellErrorText& text : shell_error_texts) {
        if (text.code == code) {
            return text.message;
        }
    }
    return OTHER_SHELL_ERROR;
}

void format_shell_error(int code, const char* registered_sign, char* out, size_t out_size)
{
    std::memset(out, 0, out_size);
    if (out_size == 0) {
        return;
    }
    if (code != BAD_FORMAT) {
        std::snprintf(out, out_size, "%s", shell_error_message(code));
        return;
    }
    const char* sign = registered_sign != nullptr ? registered_sign : PLAIN_REGISTERED_SIGN;
    std::snprintf(out, out_size, "%s%s%s", BAD_FORMAT_BEFORE_SIGN, sign, BAD_FORMAT_AFTER_SIGN);
}
