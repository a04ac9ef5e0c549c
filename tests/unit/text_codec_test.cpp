// Text Clipboard files: names from the time, and the edit box's text from a file's bytes.
#include "commands/text_codec.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(TextCodec, FileNamesTakeTwoOrThreeMillisecondDigits)
{
    struct Case {
        LocalTime time;
        const char* name;
    };
    const Case cases[] = {
        {{2007, 3, 3, 10, 4, 5, 7}, "2007030310040507.txt"},
        {{2007, 3, 3, 10, 4, 5, 123}, "20070303100405123.txt"},
        {{1999, 12, 31, 23, 59, 59, 99}, "1999123123595999.txt"},
        {{2024, 1, 2, 0, 0, 0, 0}, "2024010200000000.txt"},
    };
    for (const Case& c : cases) {
        char out[64] = {};
        make_text_file_name(c.time, out, sizeof out);
        EXPECT_STREQ(out, c.name);
    }
}

TEST(TextCodec, EveryKindOfLineBreakBecomesCrLfAndNothingElseChanges)
{
    struct Case {
        std::string file;
        std::string edit;
    };
    const Case cases[] = {
        {"", ""},
        {"a\r\nb", "a\r\nb"},
        {"a\nb", "a\r\nb"},
        {"\n", "\r\n"},
        {"a\rb", "a\r\nb"},
        {"a\n\rb", "a\r\n\r\nb"},
        {"a\r\r\nb", "a\r\n\r\nb"},
        {"a\n\nb\n", "a\r\n\r\nb\r\n"},
        {"end\r", "end\r\n"},
        {std::string("n\0ul", 4), std::string("n\0ul", 4)},
        {"\xff\xfe tab\t", "\xff\xfe tab\t"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(edit_text_from_file(c.file), c.edit) << testing::PrintToString(c.file);
    }
}

} // namespace
