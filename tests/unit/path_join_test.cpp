#include "files/path_join.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(PathJoin, JoinsWithOneBackslashAndNothingElse)
{
    char out[PATH_BUFFER_SIZE];
    ASSERT_EQ(join_path(out, sizeof out, "C:\\Data", "Launcher.lst"), 1);
    EXPECT_STREQ(out, "C:\\Data\\Launcher.lst");
    ASSERT_EQ(join_path(out, sizeof out, ".", "Launcher.lst"), 1);
    EXPECT_STREQ(out, ".\\Launcher.lst");
    ASSERT_EQ(join_path(out, sizeof out, "C:\\Data\\", "Text"), 1);
    EXPECT_STREQ(out, "C:\\Data\\\\Text");
}

TEST(PathJoin, APathThatWouldNotFitIsLeftEmptyNotCut)
{
    char out[PATH_BUFFER_SIZE];
    std::string folder(PATH_BUFFER_SIZE - 14, 'a');
    // 1010 + 1 + 12 = 1023 characters: fits with its NUL.
    ASSERT_EQ(join_path(out, sizeof out, folder.c_str(), "Launcher.lst"), 1);
    EXPECT_EQ(std::string(out).size(), 1023u);
    // One more character would cut "Launcher.lst_shift" down to another file's name.
    EXPECT_EQ(join_path(out, sizeof out, folder.c_str(), "Launcher.lst_"), 0);
    EXPECT_STREQ(out, "");
    for (char c : out) {
        ASSERT_EQ(c, '\0');
    }
}

TEST(SameFileName, ComparesTheLastPartWithoutRegardToCase)
{
    struct Case {
        const char* a;
        const char* b;
        bool same;
    } cases[] = {
        {"C:\\Program Files\\Vantrel\\Vantrel.exe", "D:\\x\\VANTREL.EXE", true},
        {"Vantrel.exe", "C:\\a\\vantrel.exe", true},
        {"C:\\a/b/Vantrel.exe", "Vantrel.exe", true},
        {"C:\\Vantrel\\chrome.exe", "C:\\Vantrel\\Vantrel.exe", false},
        {"C:\\a\\Vantrel.exe ", "Vantrel.exe", false},
        {"C:\\a\\Vantrel.ex", "Vantrel.exe", false},
        {"C:\\a\\", "C:\\b\\", false},
        {"", "", false},
        {"C:\\a\\\xC4.exe", "\xE4.exe", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(same_file_name(c.a, c.b), c.same) << c.a << " | " << c.b;
    }
}

TEST(PathJoin, CopyIsBoundedAndZeroFilled)
{
    char out[8];
    std::memset(out, 'x', sizeof out);
    copy_text(out, sizeof out, "abc");
    EXPECT_STREQ(out, "abc");
    for (size_t i = 3; i < sizeof out; ++i) {
        EXPECT_EQ(out[i], '\0') << i;
    }
    copy_text(out, sizeof out, "0123456789");
    EXPECT_STREQ(out, "0123456");
}
