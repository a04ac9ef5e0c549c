// Names of dropped files and of their numbered copies in the Shortcuts folder.
#include "commands/file_names.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(FileNames, TheNameIsWhatFollowsTheLastBackslash)
{
    struct Case {
        const char* path;
        size_t out_size;
        int result;
        const char* name;
    };
    const Case cases[] = {
        {"C:\\Users\\me\\Editor.lnk", 64, 1, "Editor.lnk"},
        {"C:\\a.b\\c\\notes", 64, 1, "notes"},
        {"C:\\folder\\", 64, 1, ""},
        {"\\root-only", 64, 0, "untouched"},
        {"no-backslash.txt", 64, 0, "untouched"},
        {"C:\\x\\exactly8", 9, 1, "exactly8"},
        {"C:\\x\\ninechars", 9, 0, nullptr}, // does not fit: failure, whatever out holds
    };
    for (const Case& c : cases) {
        char out[64] = "untouched";
        EXPECT_EQ(extract_file_name(c.path, out, c.out_size), c.result) << c.path;
        if (c.name != nullptr) {
            EXPECT_STREQ(out, c.name) << c.path;
        }
    }
}

TEST(FileNames, OnlyLowerCaseLnkAndUrlEndingsAreMovableShortcuts)
{
    struct Case {
        const char* path;
        bool movable;
    };
    const Case cases[] = {
        {"C:\\x\\Editor.lnk", true},
        {"C:\\x\\Site.url", true},
        {"a.lnk", true},
        {".lnk", false},
        {"C:\\x\\Editor.LNK", false},
        {"C:\\x\\Site.Url", false},
        {"C:\\x\\a.lnk.txt", false},
        {"C:\\x\\alnk", false},
        {"", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(is_movable_shortcut(c.path), c.movable) << c.path;
    }
}

TEST(FileNames, TheNumberGoesBeforeTheLastExtensionOfTheNameItself)
{
    struct Case {
        const char* name;
        int number;
        const char* numbered;
    };
    const Case cases[] = {
        {"Editor.lnk", 2, "Editor (2).lnk"},
        {"my.site.url", 3, "my.site (3).url"},
        {"README", 12, "README (12)"},
        {".lnk", 2, " (2).lnk"},
        // A dot in a folder is no extension of the name.
        {"Tools\\v1.2\\Editor", 2, "Tools\\v1.2\\Editor (2)"},
        {"Tools\\v1.2\\Editor.lnk", 4, "Tools\\v1.2\\Editor (4).lnk"},
    };
    for (const Case& c : cases) {
        char out[64] = {};
        ASSERT_EQ(numbered_file_name(c.name, c.number, out, sizeof out), 1) << c.name;
        EXPECT_STREQ(out, c.numbered) << c.name;
    }
    char small[15] = {};
    EXPECT_EQ(numbered_file_name("Editor.lnk", 2, small, sizeof small), 1);
    EXPECT_EQ(numbered_file_name("Editor.lnk", 10, small, sizeof small), 0) << "one character too long";
}

} // namespace
