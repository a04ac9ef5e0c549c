#include "launch/browser_command.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

const char* const browser = "C:\\Program Files\\Web Browser\\browser.exe";

// The command line for address, or "(refused)".
std::string command_for(const std::string& address, const char* program = browser)
{
    char out[BROWSER_COMMAND_SIZE];
    std::memset(out, 'x', sizeof out);
    if (build_browser_command_line(out, sizeof out, program, address.c_str()) != 1) {
        EXPECT_STREQ(out, "") << "a refused command line is left empty";
        return "(refused)";
    }
    return out;
}

// Splits a command line as a Windows program's start-up code does: the program name runs to
// the next quotation mark; in the arguments, 2n backslashes before a quotation mark give n
// backslashes and the quotation mark opens or closes quoting, 2n + 1 give n and a literal
// quotation mark, and spaces or tabs outside quoting separate arguments.
std::vector<std::string> split_command_line(const std::string& line)
{
    std::vector<std::string> arguments;
    size_t i = 0;
    std::string program;
    if (i < line.size() && line[i] == '"') {
        size_t end = line.find('"', 1);
        program = line.substr(1, end == std::string::npos ? std::string::npos : end - 1);
        i = end == std::string::npos ? line.size() : end + 1;
    } else {
        while (i < line.size() && line[i] != ' ' && line[i] != '\t') {
            program += line[i++];
        }
    }
    arguments.push_back(program);
    while (true) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) {
            ++i;
        }
        if (i >= line.size()) {
            return arguments;
        }
        std::string argument;
        bool quoted = false;
        while (i < line.size() && (quoted || (line[i] != ' ' && line[i] != '\t'))) {
            size_t backslashes = 0;
            while (i < line.size() && line[i] == '\\') {
                ++backslashes;
                ++i;
            }
            if (i < line.size() && line[i] == '"') {
                argument.append(backslashes / 2, '\\');
                if (backslashes % 2 == 1) {
                    argument += '"';
                } else {
                    quoted = !quoted;
                }
                ++i;
            } else {
                argument.append(backslashes, '\\');
                if (i < line.size() && (quoted || (line[i] != ' ' && line[i] != '\t'))) {
                    argument += line[i++];
                }
            }
        }
        arguments.push_back(argument);
    }
}

std::vector<std::string> arguments_for(const std::string& address)
{
    return split_command_line(command_for(address));
}

TEST(BrowserCommand, UrlSchemeIsALetterThenSchemeCharactersThenAColon)
{
    for (const char* address : {"http://example.com", "https:", "a:", "svn+ssh://host", "x-y.z:1",
                                "Z9:", "HTTP://EXAMPLE.COM", "mailto:ann@example.com"}) {
        EXPECT_TRUE(has_url_scheme(address)) << address;
    }
    for (const char* address :
         {"", ":", "://example.com", "1http://x", "+a:", "-flag", "--new-window", "/c calc", "www.example.com",
          " http://x", "\"http://x\"", "ht tp://x", "ht_tp://x", "h\xE9llo:x", "http", "\\\\server\\share"}) {
        EXPECT_FALSE(has_url_scheme(address)) << address;
    }
}

TEST(BrowserCommand, BrowserAndAddressAreEachQuoted)
{
    EXPECT_EQ(command_for("https://example.com/"),
              "\"C:\\Program Files\\Web Browser\\browser.exe\" \"https://example.com/\"");
    EXPECT_EQ(arguments_for("https://example.com/a b c"),
              (std::vector<std::string>{browser, "https://example.com/a b c"}));
    // Backslashes inside the address are kept as they are.
    EXPECT_EQ(arguments_for("file:///C:\\Docs\\page.html"),
              (std::vector<std::string>{browser, "file:///C:\\Docs\\page.html"}));
}

TEST(BrowserCommand, QuotationMarksInTheAddressCannotAddArguments)
{
    EXPECT_EQ(command_for("http://x/\" --flag \"y"), "\"" + std::string(browser) + "\" \"http://x/%22 --flag %22y\"");
    EXPECT_EQ(arguments_for("http://x/\" --disable-web-security \"z"),
              (std::vector<std::string>{browser, "http://x/%22 --disable-web-security %22z"}));
    // Backslashes before a quotation mark would escape it if it stayed one.
    EXPECT_EQ(arguments_for("http://x/\\\" --flag"), (std::vector<std::string>{browser, "http://x/\\%22 --flag"}));
    EXPECT_EQ(arguments_for("http://x/\\\\\""), (std::vector<std::string>{browser, "http://x/\\\\%22"}));
}

TEST(BrowserCommand, AddressesThatCouldEscapeTheirQuotesAreRefused)
{
    // A final backslash would escape the closing quotation mark.
    EXPECT_EQ(command_for("http://x/\\"), "(refused)");
    EXPECT_EQ(command_for("file:///C:\\Docs\\"), "(refused)");
    // Line breaks and other control characters never reach the browser.
    for (const char* address : {"http://x/\r\n--flag", "http://x/\n", "http://x/\ty", "http://x/\x01", "http://x/\x7F",
                                "java\tscript:alert(1)"}) {
        EXPECT_EQ(command_for(address), "(refused)") << address;
    }
    // Bytes of other code pages pass unchanged.
    EXPECT_EQ(arguments_for("http://x/\xE4\xF6\x83\x5C"
                            "a"),
              (std::vector<std::string>{browser, "http://x/\xE4\xF6\x83\x5C"
                                                 "a"}));
}

TEST(BrowserCommand, OnlyAddressesWithAWebSchemeReachTheBrowser)
{
    for (const char* address :
         {"-flag", "--remote-debugging-port=9222", "/c calc", "", "www.example.com", " http://x", "\"http://x\""}) {
        EXPECT_EQ(command_for(address), "(refused)") << address;
    }
    // Script addresses run code rather than open a page, whatever their letter case.
    for (const char* address : {"javascript:alert(1)", "JavaScript:alert(1)", "VBSCRIPT:msgbox", "javascript:"}) {
        EXPECT_EQ(command_for(address), "(refused)") << address;
    }
    EXPECT_NE(command_for("javascripts:x"), "(refused)");
    EXPECT_NE(command_for("java:x"), "(refused)");
    EXPECT_NE(command_for("ftp://example.com/"), "(refused)");
}

TEST(BrowserCommand, AnEmptyOrQuotedBrowserPathIsRefused)
{
    EXPECT_EQ(command_for("http://x/", ""), "(refused)");
    EXPECT_EQ(command_for("http://x/", "C:\\a\" --flag \"b.exe"), "(refused)");
    EXPECT_EQ(split_command_line(command_for("http://x/", "browser.exe")),
              (std::vector<std::string>{"browser.exe", "http://x/"}));
}

TEST(BrowserCommand, AResultThatDoesNotFitIsRefusedNotCut)
{
    const char* program = "b.exe";
    // "b.exe" in quotes, a space, the address in quotes: 10 characters besides the address.
    std::string address = "http://x/" + std::string(BROWSER_COMMAND_SIZE - 20, 'a');
    std::string fits = address + std::string(BROWSER_COMMAND_SIZE - 1 - 10 - address.size(), 'b');
    char out[BROWSER_COMMAND_SIZE];
    ASSERT_EQ(build_browser_command_line(out, sizeof out, program, fits.c_str()), 1);
    EXPECT_EQ(std::strlen(out), BROWSER_COMMAND_SIZE - 1);
    EXPECT_EQ(out[BROWSER_COMMAND_SIZE - 2], '"');

    std::string one_more = fits + "c";
    std::memset(out, 'x', sizeof out);
    EXPECT_EQ(build_browser_command_line(out, sizeof out, program, one_more.c_str()), 0);
    for (char c : out) {
        ASSERT_EQ(c, '\0');
    }
    // A quotation mark takes three characters once written as %22.
    std::string quoted = fits.substr(0, fits.size() - 2) + "\"";
    EXPECT_EQ(build_browser_command_line(out, sizeof out, program, quoted.c_str()), 0);
    std::string quoted_fits = fits.substr(0, fits.size() - 3) + "\"";
    EXPECT_EQ(build_browser_command_line(out, sizeof out, program, quoted_fits.c_str()), 1);
    EXPECT_EQ(std::strlen(out), BROWSER_COMMAND_SIZE - 1);

    char tiny[4];
    EXPECT_EQ(build_browser_command_line(tiny, sizeof tiny, program, "a:"), 0);
    EXPECT_EQ(build_browser_command_line(tiny, 0, program, "a:"), 0);
}

} // namespace
