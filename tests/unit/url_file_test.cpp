// Internet shortcut files written to disk and read back for their address.
#include "url_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>

#include "data_folder.h"

namespace {

constexpr size_t ADDRESS_SIZE = 1024;
// The longest piece of a line that one read delivers.
constexpr size_t PIECE = URL_LINE_SIZE - 2;

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

TEST_F(UrlFile, ALongLineArrivesInPiecesEachReadAsALine)
{
    // "URL=" just inside the second piece is found there.
    EXPECT_EQ(address_in("[InternetShortcut]\n" + std::string(PIECE, 'x') + "URL=http://second.example/\n"),
              "http://second.example/");
    // "URL=" split across the two pieces is not found; a later line is used instead.
    std::string split = std::string(PIECE - 2, 'x') + "URL=http://split.example/\n";
    EXPECT_EQ(address_in("[InternetShortcut]\n" + split), "(none)");
    EXPECT_EQ(address_in("[InternetShortcut]\n" + split + "URL=http://later.example/\n"), "http://later.example/");

    // The address ends with the piece it starts in.
    std::string tail(1100, 't');
    std::string address = address_in("[InternetShortcut]\nURL=" + tail + "\n");
    EXPECT_EQ(address, tail.substr(0, PIECE - 4));
    // The header in the second piece of a long line counts; split across pieces it does not.
    EXPECT_EQ(address_in(std::string(PIECE, 'h') + "[InternetShortcut]\nURL=http://found.example/\n"),
              "http://found.example/");
    EXPECT_EQ(address_in(std::string(PIECE - 5, 'h') + "[InternetShortcut]\nURL=http://lost.example/\n"), "(none)");
    // The rest of a header line that ran into a second piece is a line of its own after the header.
    EXPECT_EQ(address_in("[InternetShortcut]" + std::string(PIECE, 'r') + "URL=http://rest.example/\n"),
              "http://rest.example/");
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
