#include "launch/launch_chain.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "store/connections.h"
#include "store/panel_set.h"
#include "store/selection.h"

namespace {

std::string folder_of(const std::string& item)
{
    char buffer[WORKING_FOLDER_SIZE] = {};
    get_item_folder_of(item.c_str(), buffer);
    return buffer;
}

// The panels started, in order, by the last chain walked.
std::string started;

void record_start(int n)
{
    started += static_cast<char>('0' + n);
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

TEST(LaunchChain, EachPanelStartsOnceAlongTheShownConnectionsUntilAnEmptyPanel)
{
    struct Case {
        const char* name;
        int section;
        int shift;
        int first;
        std::map<int, int> links; // in the table of the case's Shift state
        std::string empty;        // panels without an item
        std::string order;        // the panels started, in order
    } const cases[] = {
        {"two panels linked both ways", 0, 0, 1, {{1, 2}, {2, 1}}, "", "12"},
        {"the same from the other end", 0, 0, 2, {{1, 2}, {2, 1}}, "", "21"},
        {"a ring of all eight",
         0,
         0,
         5,
         {{1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 7}, {7, 8}, {8, 1}},
         "",
         "56781234"},
        {"a chain running into a loop", 0, 0, 6, {{6, 4}, {4, 8}, {8, 4}}, "", "648"},
        {"a panel linked to itself", 0, 0, 3, {{3, 3}}, "", "3"},
        {"no link", 0, 0, 7, {}, "", "7"},
        {"an empty panel ends the chain", 0, 0, 3, {{3, 4}, {4, 5}}, "4", "3"},
        {"an empty first panel starts nothing", 0, 0, 2, {{2, 3}}, "2", ""},
        {"a damaged link counts as none", 0, 0, 1, {{1, 9}}, "", "1"},
        {"the links of the shown section", 2, 0, 1, {{1, 8}, {8, 2}}, "", "182"},
        {"the links of the Shift set", 1, 1, 4, {{4, 5}, {5, 6}}, "", "456"},
    };
    for (const Case& c : cases) {
        section = c.section;
        shift_active = c.shift;
        select_current_set();
        ConnectionTable& shown = c.shift == 1 ? connections_shift : connections;
        ConnectionTable& other = c.shift == 1 ? connections : connections_shift;
        std::memset(&connections, 0, sizeof connections);
        std::memset(&connections_shift, 0, sizeof connections_shift);
        for (auto [from, to] : c.links) {
            shown.links[c.section][from - 1] = to;
            // Links of the other Shift state and of the other sections lead elsewhere and are
            // never followed.
            int elsewhere = to % 8 + 1;
            other.links[c.section][from - 1] = elsewhere;
            shown.links[(c.section + 1) % 3][from - 1] = elsewhere;
        }
        std::memset(current_set, 0, sizeof *current_set);
        for (int panel = 1; panel <= 8; ++panel) {
            if (c.empty.find(static_cast<char>('0' + panel)) == std::string::npos) {
                std::snprintf(current_set->item_text[panel - 1], ITEM_TEXT_SIZE, "C:\\Tools\\tool%d.exe", panel);
            }
            // An empty item string launches nothing, whatever the flag says.
            current_set->occupied[panel - 1] = 1;
        }
        started.clear();
        clear_launched_panels();
        walk_launch_chain(c.first, record_start);
        EXPECT_EQ(started, c.order) << c.name;
        for (int panel = 1; panel <= 8; ++panel) {
            EXPECT_EQ(was_launched(panel), c.order.find(static_cast<char>('0' + panel)) != std::string::npos)
                << c.name << ", panel " << panel;
        }
    }
    clear_launched_panels();
    section = 0;
    shift_active = 0;
    select_current_set();
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
