#include "launch_chain.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::string folder_of(const std::string& item)
{
    char buffer[WORKING_FOLDER_SIZE] = {};
    get_item_folder_of(item.c_str(), buffer);
    return buffer;
}

// Walks a chain the way a launch does: stop at a panel already launched, else record it and
// follow its link (0 for none). Returns the panels in the order they were started.
std::string walk_chain(int first, const int (&links)[9])
{
    std::string order;
    clear_launched_panels();
    for (int panel = first; panel != 0 && !was_launched(panel); panel = links[panel]) {
        order += static_cast<char>('0' + panel);
        mark_launched(panel);
    }
    return order;
}

TEST(LaunchChain, VisitedSetRecordsPanelsUntilCleared)
{
    clear_launched_panels();
    for (int panel = 0; panel <= 8; ++panel) {
        EXPECT_FALSE(was_launched(panel)) << panel;
    }
    mark_launched(3);
    mark_launched(7);
    EXPECT_TRUE(was_launched(3));
    EXPECT_TRUE(was_launched(7));
    EXPECT_FALSE(was_launched(4));
    // Free slots hold 0, which must not read as a launched panel.
    EXPECT_FALSE(was_launched(0));
    EXPECT_EQ(launched_panels[0], 3);
    EXPECT_EQ(launched_panels[1], 7);
    EXPECT_EQ(launched_panels[2], 0);

    clear_launched_panels();
    EXPECT_FALSE(was_launched(3));
    EXPECT_FALSE(was_launched(7));
    for (int32_t slot : launched_panels) {
        EXPECT_EQ(slot, 0);
    }
}

TEST(LaunchChain, AFullSetTakesNothingMore)
{
    clear_launched_panels();
    for (int i = 0; i < LAUNCHED_PANEL_SLOTS; ++i) {
        mark_launched(i % 8 + 1);
    }
    int32_t before[LAUNCHED_PANEL_SLOTS];
    std::memcpy(before, launched_panels, sizeof before);
    EXPECT_EQ(launched_panels[LAUNCHED_PANEL_SLOTS - 1], 2);
    mark_launched(8);
    mark_launched(5);
    EXPECT_EQ(std::memcmp(before, launched_panels, sizeof before), 0);
    clear_launched_panels();
}

TEST(LaunchChain, ALoopOfConnectionsEndsAtTheFirstRepeat)
{
    int links[9] = {};
    links[1] = 2;
    links[2] = 1;
    EXPECT_EQ(walk_chain(1, links), "12");
    EXPECT_EQ(walk_chain(2, links), "21");

    int ring[9] = {0, 2, 3, 4, 5, 6, 7, 8, 1};
    EXPECT_EQ(walk_chain(5, ring), "56781234");

    int into_loop[9] = {};
    into_loop[6] = 4;
    into_loop[4] = 8;
    into_loop[8] = 4;
    EXPECT_EQ(walk_chain(6, into_loop), "648");

    int self[9] = {};
    self[3] = 3;
    EXPECT_EQ(walk_chain(3, self), "3");
    clear_launched_panels();
}

TEST(LaunchChain, WorkingFolderIsThePathUpToItsLastBackslash)
{
    EXPECT_EQ(folder_of("C:\\Tools\\app.exe"), "C:\\Tools\\");
    EXPECT_EQ(folder_of("C:\\Program Files\\Some App\\bin\\run.exe"), "C:\\Program Files\\Some App\\bin\\");
    EXPECT_EQ(folder_of("C:\\boot.ini"), "C:\\");
    EXPECT_EQ(folder_of("\\\\server\\share\\doc.txt"), "\\\\server\\share\\");
    // A dropped folder ends in its name; one that ends in a backslash is its own folder.
    EXPECT_EQ(folder_of("D:\\Music\\Albums"), "D:\\Music\\");
    EXPECT_EQ(folder_of("D:\\Music\\"), "D:\\Music\\");
    EXPECT_EQ(folder_of("\\"), "\\");
}

TEST(LaunchChain, WithoutABackslashTheBufferIsLeftAsItWas)
{
    for (const char* item : {"app.exe", "", "C:/Tools/app.exe", "C:app.exe"}) {
        char buffer[WORKING_FOLDER_SIZE] = "unchanged";
        get_item_folder_of(item, buffer);
        EXPECT_STREQ(buffer, "unchanged") << item;
    }
}

TEST(LaunchChain, OnlyTheFirst1023CharactersOfTheItemCount)
{
    // The longest item string a panel holds, with its last backslash at its last character.
    std::string longest = std::string(1022, 'a') + "\\";
    EXPECT_EQ(folder_of(longest), longest);
    std::string inner = "C:\\" + std::string(1000, 'b') + "\\" + std::string(19, 'c');
    ASSERT_EQ(inner.size(), 1023u);
    EXPECT_EQ(folder_of(inner), inner.substr(0, 1004));

    // A backslash beyond the first 1023 characters is not seen.
    std::string beyond = "C:\\" + std::string(1020, 'd') + "\\e.exe";
    EXPECT_EQ(folder_of(beyond), "C:\\");

    char buffer[WORKING_FOLDER_SIZE + 8];
    std::memset(buffer, 0, sizeof buffer);
    std::memset(buffer + WORKING_FOLDER_SIZE, 'z', 8);
    std::string overlong = std::string(2000, '\\');
    get_item_folder_of(overlong.c_str(), buffer);
    EXPECT_EQ(std::strlen(buffer), WORKING_FOLDER_SIZE - 1);
    EXPECT_EQ(buffer[WORKING_FOLDER_SIZE], 'z');
}

} // namespace
