#include "view/target_reach.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(TargetReach, OnlyAMissingFileUnderARootThatAnswersIsGone)
{
    struct Case {
        const char* name;
        uint32_t root_error, file_error;
        TargetReach reach;
    } cases[] = {
        {"there", 0, 0, TargetReach::present},
        {"file not found", 0, 2, TargetReach::gone},
        {"folder not found", 0, 3, TargetReach::gone},
        {"file refused", 0, 5, TargetReach::unreachable},
        {"file in use", 0, 32, TargetReach::unreachable},
        {"drive stopped answering in between", 0, 21, TargetReach::unreachable},
        {"no such drive letter", 3, 3, TargetReach::unreachable},
        {"invalid drive", 15, 0, TargetReach::unreachable},
        {"drive not ready (no disc, card out)", 21, 2, TargetReach::unreachable},
        {"network path not found", 53, 2, TargetReach::unreachable},
        {"share not found", 67, 2, TargetReach::unreachable},
        {"share refused", 5, 2, TargetReach::unreachable},
        {"no answer in time", 1460, 0, TargetReach::unreachable},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(judge_target(c.root_error, c.file_error), c.reach) << c.name;
    }
}

TEST(TargetReach, TheRootIsTheDriveOrTheShareAndNothingElse)
{
    struct Case {
        const char* path;
        const char* root; // nullptr: none
    } cases[] = {
        {"C:\\Tools\\tool.exe", "C:\\"},
        {"q:\\a", "q:\\"},
        {"C:\\", "C:\\"},
        {"\\\\server\\share\\folder\\file.txt", "\\\\server\\share\\"},
        {"\\\\server\\share", "\\\\server\\share\\"},
        {"\\\\server\\share\\", "\\\\server\\share\\"},
        {"\\\\server", nullptr},
        {"\\\\server\\", nullptr},
        {"\\\\\\share", nullptr},
        {"\\\\?\\C:\\long\\path", nullptr},
        {"\\\\.\\COM1", nullptr},
        {"C:relative.txt", nullptr},
        {"tool.exe", nullptr},
        {"1:\\x", nullptr},
        {"", nullptr},
    };
    for (const Case& c : cases) {
        char root[64] = "junk";
        bool found = target_root(c.path, root, sizeof root);
        EXPECT_EQ(found, c.root != nullptr) << c.path;
        EXPECT_STREQ(root, c.root != nullptr ? c.root : "") << c.path;
    }
    char small[4];
    EXPECT_FALSE(target_root("\\\\server\\share\\x", small, sizeof small)) << "a root that does not fit";
    EXPECT_STREQ(target_file_name("C:\\Tools\\tool.exe"), "tool.exe");
    EXPECT_STREQ(target_file_name("\\\\server\\share\\"), "");
    EXPECT_STREQ(target_file_name("name"), "name");
}

} // namespace
