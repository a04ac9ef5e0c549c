// Internet shortcut files written to disk and read back for their address.
#include "launch/url_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>

#include "data_folder.h"

namespace {

constexpr size_t ADDRESS_SIZE = URL_ADDRESS_SIZE;
// The longest piece of a line that a reader with a buffer of a path's size would take at once.
constexpr size_t PIECE = 1022;

class UrlFile : public ::testing::Test {
  protected:
    TestDataFolder data;

    std::string write_file(const std::string& contents)
    {
        std::string path = (data.folder / "shortcut.url").string();
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << contents;
        return path;
    }

    // The address read from a file with these contents, or "(none)" when the reader fails.
    std::string address_in(const std::string& contents)
    {
        std::string path = write_file(contents);
        char address[ADDRESS_SIZE];
        std::memset(address, 'x', sizeof address);
        if (read_url_file(path.c_str(), address, sizeof address) != 1) {
            EXPECT_STREQ(address, "") << "a failed read leaves the address empty";
            return "(none)";
        }
        return address;
    }
};

TEST_F(UrlFile, AddressIsTheRestOfTheUrlLineWithoutItsLineBreak)
{
    EXPECT_EQ(address_in("[InternetShortcut]\r\nURL=https://example.com/a?b=c\r\nIconIndex=0\r\n"),
              "https://example.com/a?b=c");
    EXPECT_EQ(address_in("[InternetShortcut]\nURL=https://example.com/\n"), "https://example.com/");
    // The last line of the file may have no line break at all, or a bare carriage return.
    EXPECT_EQ(address_in("[InternetShortcut]\nURL=http://end.example/"), "http://end.example/");
    EXPECT_EQ(address_in("[InternetShortcut]\r\nURL=http://end.example/\r"), "http://end.example/");
    // Spaces and everything after the first "URL=" belong to the address.
    EXPECT_EQ(address_in("[InternetShortcut]\nURL=http://a.example/?next=URL=x y \n"),
              "http://a.example/?next=URL=x y ");
    EXPECT_EQ(address_in("[InternetShortcut]\nURL=\n"), "");
}

TEST_F(UrlFile, OnlyAUrlLineAfterTheSectionHeaderCounts)
{
    EXPECT_EQ(address_in("URL=http://before.example/\r\n[InternetShortcut]\r\nURL=http://after.example/\r\n"),
              "http://after.example/");
    EXPECT_EQ(address_in("URL=http://before.example/\r\n[InternetShortcut]\r\n"), "(none)");
    // The header's own line is not searched for the address.
    EXPECT_EQ(address_in("[InternetShortcut] URL=http://same.example/\nURL=http://next.example/\n"),
              "http://next.example/");
    EXPECT_EQ(address_in("[InternetShortcut] URL=http://same.example/\n"), "(none)");
    // The header counts anywhere in its line, and a later section does not end the search.
    EXPECT_EQ(address_in("; [InternetShortcut] here\n[Other]\nURL=http://later.example/\n"), "http://later.example/");
}

TEST_F(UrlFile, TheFirstLineContainingUrlEqualsWinsEvenInsideALongerKey)
{
    EXPECT_EQ(address_in("[DEFAULT]\nBASEURL=http://ignored.example/\n[InternetShortcut]\n"
                         "BASEURL=http://base.example/\nURL=http://url.example/\n"),
              "http://base.example/");
    EXPECT_EQ(address_in("[InternetShortcut]\nurl=http://lower.example/\nURL=http://upper.example/\n"),
              "http://upper.example/");
}

TEST_F(UrlFile, MissingFileOrMissingLinesGiveNothing)
{
    char address[ADDRESS_SIZE] = "unchanged";
    std::string missing = (data.folder / "missing.url").string();
    EXPECT_EQ(read_url_file(missing.c_str(), address, sizeof address), 0);
    EXPECT_STREQ(address, "");

    EXPECT_EQ(address_in(""), "(none)");
    EXPECT_EQ(address_in("URL=http://no-header.example/\n"), "(none)");
    EXPECT_EQ(address_in("[InternetShortcu]\nURL=http://misspelt.example/\n"), "(none)");
    EXPECT_EQ(address_in("[internetshortcut]\nURL=http://lower.example/\n"), "(none)");
    EXPECT_EQ(address_in("[InternetShortcut]\nIconIndex=0\nURI=http://x.example/\n"), "(none)");
}

TEST_F(UrlFile, ALongLineIsOneLineWhereverItsKeyOrHeaderStands)
{
    // Around the places where a line buffer of 1024 bytes would cut the line.
    for (size_t before : {PIECE - 5, PIECE - 2, PIECE, PIECE + 3, 3 * PIECE}) {
        std::string filler(before, 'x');
        EXPECT_EQ(address_in("[InternetShortcut]\n" + filler +
                             "URL=http://found.example/\n"
                             "URL=http://later.example/\n"),
                  "http://found.example/")
            << before;
        EXPECT_EQ(address_in(filler + "[InternetShortcut]\nURL=http://found.example/\n"), "http://found.example/")
            << before;
        // The header's own line is not searched, however long it runs on.
        EXPECT_EQ(address_in("[InternetShortcut]" + filler + "URL=http://same.example/\n"), "(none)") << before;
        EXPECT_EQ(address_in("[InternetShortcut]" + filler + "URL=http://same.example/\nURL=http://next.example/\n"),
                  "http://next.example/")
            << before;
    }
    // An address longer than a line buffer arrives whole.
    std::string tail = "http://long.example/" + std::string(1100, 't');
    EXPECT_TRUE(address_in("[InternetShortcut]\nURL=" + tail + "\n") == tail);
}

TEST_F(UrlFile, AnAddressIsReadWholeUpToTheLongestABrowserTakesAndNeverInPart)
{
    struct Case {
        size_t length;
        const char* line_end;
        bool read;
    } const cases[] = {{URL_MAX_LENGTH - 1, "\r\n", true}, {URL_MAX_LENGTH, "\r\n", true},
                       {URL_MAX_LENGTH, "\n", true},       {URL_MAX_LENGTH, "", true},
                       {URL_MAX_LENGTH, "\r", true},       {URL_MAX_LENGTH + 1, "\r\n", false},
                       {URL_MAX_LENGTH + 1, "", false},    {3 * URL_MAX_LENGTH, "\n", false}};
    for (const Case& c : cases) {
        std::string address = "http://x.example/";
        address += std::string(c.length - address.size(), 'a');
        // A line break "\r" or none ends the file's last line.
        bool last_line = std::strchr(c.line_end, '\n') == nullptr;
        std::string path =
            write_file("[InternetShortcut]\r\nURL=" + address + c.line_end + (last_line ? "" : "IconIndex=0\r\n"));
        char read[URL_ADDRESS_SIZE + 1];
        std::memset(read, 'x', sizeof read);
        int found = read_url_file(path.c_str(), read, URL_ADDRESS_SIZE);
        EXPECT_EQ(found, c.read ? 1 : 0) << c.length;
        EXPECT_EQ(read[URL_ADDRESS_SIZE], 'x') << "written beyond the buffer";
        read[URL_ADDRESS_SIZE] = '\0';
        // Compared whole, reported by length: the texts are too long to print.
        EXPECT_TRUE(std::string(read) == (c.read ? address : ""))
            << c.length << " characters stored, " << std::strlen(read) << " read";
    }
    // A NUL byte would cut the address where it stands.
    const char with_nul[] = "[InternetShortcut]\nURL=http://a.example/\0b\n";
    EXPECT_EQ(address_in(std::string(with_nul, sizeof with_nul - 1)), "(none)");
}

TEST_F(UrlFile, AnAddressThatDoesNotFitIsRefusedNotCut)
{
    std::string path = write_file("[InternetShortcut]\r\nURL=http://example.com/\r\n");
    char exact[20];
    ASSERT_EQ(read_url_file(path.c_str(), exact, sizeof exact), 1);
    EXPECT_STREQ(exact, "http://example.com/");
    char short_by_one[19];
    std::memset(short_by_one, 'x', sizeof short_by_one);
    EXPECT_EQ(read_url_file(path.c_str(), short_by_one, sizeof short_by_one), 0);
    for (char c : short_by_one) {
        ASSERT_EQ(c, '\0');
    }
}

} // namespace
