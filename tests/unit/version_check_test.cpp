#include "version_check.h"

#include <gtest/gtest.h>

TEST(VersionCheck, OnlyNtSixAndLaterGetTheLowLevelHook)
{
    EXPECT_TRUE(is_vista_version(1, PLATFORM_WIN32_NT, 6));
    EXPECT_TRUE(is_vista_version(1, PLATFORM_WIN32_NT, 10));
    EXPECT_FALSE(is_vista_version(1, PLATFORM_WIN32_NT, 5));
    EXPECT_FALSE(is_vista_version(1, PLATFORM_WIN32_NT, 4));
    // Windows 9x/Me (platform 1) and Win32s (platform 0), whatever the major version.
    EXPECT_FALSE(is_vista_version(1, 1, 6));
    EXPECT_FALSE(is_vista_version(1, 0, 6));
    EXPECT_FALSE(is_vista_version(1, 3, 10));
    // A failed query counts as an earlier version.
    EXPECT_FALSE(is_vista_version(0, PLATFORM_WIN32_NT, 6));
}
