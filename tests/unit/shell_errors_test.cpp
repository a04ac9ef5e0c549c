#include "launch/shell_errors.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <set>
#include <string>

namespace {

const char* const other_error = "Cannot execute the specified file.";

struct Expected {
    int code;
    const char* message;
};

const Expected own_messages[] = {
    {0, "The operating system is out of memory or resources."},
    {2, "The specified file was not found."},
    {3, "The specified path was not found."},
    {5, "The operating system denied access to the specified file."},
    {8, "There was not enough memory to complete the operation."},
    {26, "A sharing violation occurred."},
    {27, "The file name association is incomplete or invalid."},
    {28, "The DDE transaction could not be completed because the request timed out."},
    {29, "The DDE transaction failed."},
    {30, "The DDE transaction could not be completed because other DDE transactions were being processed."},
    {31, "There is no application associated with the given file name extension."},
    {32, "The specified dynamic-link library was not found."},
};

std::string formatted(int code, const char* sign)
{
    char out[1024];
    std::memset(out, 'x', sizeof out);
    format_shell_error(code, sign, out, sizeof out);
    return out;
}

TEST(ShellErrors, EveryCodeWithAMessageOfItsOwnGetsIt)
{
    for (const Expected& expected : own_messages) {
        EXPECT_STREQ(shell_error_message(expected.code), expected.message) << expected.code;
        EXPECT_EQ(formatted(expected.code, "\xAE"), expected.message) << expected.code;
    }
}

TEST(ShellErrors, EveryOtherCodeCannotExecute)
{
    std::set<int> own = {0, 2, 3, 5, 8, 11, 26, 27, 28, 29, 30, 31, 32};
    for (int code = 1; code <= 40; ++code) {
        if (own.count(code) == 0) {
            EXPECT_STREQ(shell_error_message(code), other_error) << code;
            EXPECT_EQ(formatted(code, "\xAE"), other_error) << code;
        }
    }
    for (int code : {-1, -2, -11, 33, 42, 1000, INT_MAX, INT_MIN}) {
        EXPECT_STREQ(shell_error_message(code), other_error) << code;
    }
}

TEST(ShellErrors, BadFormatCarriesTheSignItIsGiven)
{
    EXPECT_EQ(formatted(11, "\xAE"), "The .exe file is invalid (non-Win32\xAE .exe or error in .exe image).");
    EXPECT_EQ(formatted(11, "(R)"), "The .exe file is invalid (non-Win32(R) .exe or error in .exe image).");
    // A double-byte sign, as a code page of East Asia encodes it.
    EXPECT_EQ(formatted(11, "\xA8\xE7"), "The .exe file is invalid (non-Win32\xA8\xE7 .exe or error in .exe image).");
    EXPECT_EQ(formatted(11, nullptr), formatted(11, "(R)"));
    // Without a sign from the caller the message reads the same in every code page.
    EXPECT_EQ(shell_error_message(11), formatted(11, "(R)"));
    // Other codes take no sign.
    EXPECT_EQ(formatted(2, "(R)"), "The specified file was not found.");
    EXPECT_EQ(formatted(99, "\xAE"), other_error);
}

TEST(ShellErrors, FormattedMessagesAreCutToTheirBuffer)
{
    char out[12];
    std::memset(out, 'x', sizeof out);
    format_shell_error(29, "(R)", out, sizeof out);
    EXPECT_STREQ(out, "The DDE tra");
    std::memset(out, 'x', sizeof out);
    format_shell_error(11, "(R)", out, sizeof out);
    EXPECT_STREQ(out, "The .exe fi");
    char none[1] = {'x'};
    format_shell_error(2, "(R)", none, 0);
    EXPECT_EQ(none[0], 'x');
}

} // namespace
