// The panel and connection files: byte images read whole, short, long and damaged files,
// and saves that write the same bytes back.
#include <gtest/gtest.h>

#include <cstring>

#include "store/connections.h"
#include "data_folder.h"
#include "store/panel_set.h"
#include "store/selection.h"

namespace {

const char* const panel_files[PANEL_SET_COUNT] = {"Launcher.lst",       "Launcher.lft",       "Launcher.rgt",
                                                  "Launcher.lst_shift", "Launcher.lft_shift", "Launcher.rgt_shift"};

TEST(PanelFiles, EverySetRoundTripsThroughItsOwnFileByteForByte)
{
    TestDataFolder data;
    for (int index = 0; index < PANEL_SET_COUNT; ++index) {
        Bytes image = pattern_bytes(sizeof(PanelSet), static_cast<uint8_t>(index + 1));
        // Every string ends inside its slot, as any set the program holds does.
        for (int panel = 0; panel < PANELS_PER_SET; ++panel) {
            image[32 + 1024 * panel + 1023] = 0;
        }
        data.write(panel_files[index], image);
    }
    load_panel_data();
    for (int index = 0; index < PANEL_SET_COUNT; ++index) {
        Bytes written = data.read(panel_files[index]);
        EXPECT_EQ(bytes_of(panel_sets[index]), written) << panel_files[index];
        std::filesystem::remove(data.path(panel_files[index]));
        save_panel_set(index);
        EXPECT_EQ(data.read(panel_files[index]), written) << panel_files[index];
    }
    EXPECT_EQ(panel_file_missing, 0);
}

TEST(PanelFiles, PanelStringsStartWhereTheFileFormatPutsThem)
{
    TestDataFolder data;
    load_panel_data();
    PanelSet& set = panel_sets[0];
    set.occupied[2] = 1;
    std::strcpy(set.item_text[2], "C:\\Tools\\app.exe");
    save_panel_set(0);
    Bytes file = data.read("Launcher.lst");
    ASSERT_EQ(file.size(), 8224u);
    EXPECT_EQ(file[8], 1); // occupied of panel 3
    // Panel n's string starts at byte 1024 * n - 992.
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&file[1024 * 3 - 992])), "C:\\Tools\\app.exe");
}

TEST(PanelFiles, AShortFileFillsFromTheStartAndAMissingOneLeavesAnEmptySet)
{
    TestDataFolder data;
    Bytes short_file(100, 0);
    short_file[0] = 1; // panel 1 occupied
    const char text[] = "C:\\a-path-of-many-characters-running-past-the-end-of-the-file-and-on";
    std::memcpy(&short_file[32], text, 68);
    data.write("Launcher.lst", short_file);

    load_panel_data();
    EXPECT_EQ(panel_file_missing, 0);
    EXPECT_EQ(panel_sets[0].occupied[0], 1);
    EXPECT_EQ(std::string(panel_sets[0].item_text[0]), std::string(text, 68));
    for (int panel = 1; panel < PANELS_PER_SET; ++panel) {
        EXPECT_EQ(panel_sets[0].occupied[panel], 0);
        EXPECT_EQ(panel_sets[0].item_text[panel][0], '\0');
    }
    Bytes empty_set(sizeof(PanelSet), 0);
    for (int index = 1; index < PANEL_SET_COUNT; ++index) {
        EXPECT_EQ(bytes_of(panel_sets[index]), empty_set) << panel_files[index];
    }
}

TEST(PanelFiles, MissingCentreFileIsReportedAndLeavesThatSetEmpty)
{
    TestDataFolder data;
    data.write("Launcher.lft", pattern_bytes(200));
    std::memset(&panel_sets[0], 0x55, sizeof(PanelSet));
    load_panel_data();
    EXPECT_EQ(panel_file_missing, 1);
    EXPECT_EQ(bytes_of(panel_sets[0]), Bytes(sizeof(PanelSet), 0));

    data.write("Launcher.lst", Bytes());
    load_panel_data();
    EXPECT_EQ(panel_file_missing, 0) << "an empty file still opened";
}

TEST(PanelFiles, ALongFileIsReadForItsFirstBytesOnly)
{
    TestDataFolder data;
    Bytes long_file = pattern_bytes(9000);
    data.write("Launcher.rgt", long_file);
    load_panel_data();
    Bytes expected(long_file.begin(), long_file.begin() + sizeof(PanelSet));
    for (int panel = 0; panel < PANELS_PER_SET; ++panel) {
        expected[32 + 1024 * panel + 1023] = 0;
    }
    EXPECT_EQ(bytes_of(panel_sets[panel_set_index(0, 2)]), expected);
}

TEST(PanelFiles, ASlotWithoutTerminatorReadsAsItsFirst1023Characters)
{
    TestDataFolder data;
    Bytes damaged(sizeof(PanelSet), 'x');
    data.write("Launcher.lst", damaged);
    load_panel_data();
    for (int panel = 0; panel < PANELS_PER_SET; ++panel) {
        EXPECT_EQ(std::strlen(panel_sets[0].item_text[panel]), 1023u);
    }
    // An item of exactly 1023 characters stays whole.
    std::string longest(1023, 'p');
    std::strcpy(panel_sets[0].item_text[4], longest.c_str());
    save_panel_data();
    load_panel_data();
    EXPECT_EQ(std::string(panel_sets[0].item_text[4]), longest);
}

TEST(PanelFiles, SaveWritesTheCurrentSetToItsFileOnly)
{
    TestDataFolder data;
    load_panel_data();
    shift_active = 1;
    section = 1;
    select_current_set();
    ASSERT_EQ(current_set, &panel_sets[panel_set_index(1, 1)]);
    current_set->occupied[0] = 1;
    std::strcpy(current_set->item_text[0], "notes.txt");
    save_panel_data();
    EXPECT_TRUE(data.exists("Launcher.lft_shift"));
    EXPECT_EQ(data.read("Launcher.lft_shift"), bytes_of(*current_set));
    EXPECT_FALSE(data.exists("Launcher.lst"));
    EXPECT_FALSE(data.exists("Launcher.lft"));
    EXPECT_FALSE(data.exists("Launcher.lft_shift.tmp"));
}

TEST(CurrentSet, SectionAndShiftPickTheSetAndOddSectionsTheCentre)
{
    for (int shift : {0, 1}) {
        for (int number = 0; number < SECTION_COUNT; ++number) {
            shift_active = shift;
            section = number;
            select_current_set();
            EXPECT_EQ(current_set, &panel_sets[shift * 3 + number]);
        }
        for (int odd : {3, -1, 1000}) {
            section = odd;
            select_current_set();
            EXPECT_EQ(current_set, &panel_sets[shift * 3]) << odd;
        }
    }
    shift_active = 0;
    section = 0;
}

TEST(ConnectionFiles, BothTablesRoundTripAndAShortFileSetsOnlyItsLeadingEntries)
{
    TestDataFolder data;
    Bytes short_file(32, 0);
    short_file[0] = 8;  // section 0, panel 1 -> 8
    short_file[28] = 3; // section 0, panel 8 -> 3
    data.write("Launcher.con", short_file);
    Bytes shift_file(96, 0);
    shift_file[32 + 4 * 3] = 6; // section 1, panel 4 -> 6
    data.write("Launcher.con_shift", shift_file);

    load_connections();
    EXPECT_EQ(connections.links[0][0], 8);
    EXPECT_EQ(connections.links[0][7], 3);
    for (int number = 1; number < SECTION_COUNT; ++number) {
        for (int panel = 0; panel < PANELS_PER_SET; ++panel) {
            EXPECT_EQ(connections.links[number][panel], 0);
        }
    }
    EXPECT_EQ(bytes_of(connections_shift), shift_file);

    // The same panel of the same section in the other state is not connected.
    section = 1;
    EXPECT_EQ(linked_panel(4), 0);
    shift_active = 1;
    EXPECT_EQ(linked_panel(4), 6);

    save_connections();
    Bytes expected_normal(96, 0);
    std::copy(short_file.begin(), short_file.end(), expected_normal.begin());
    EXPECT_EQ(data.read("Launcher.con"), expected_normal);
    EXPECT_EQ(data.read("Launcher.con_shift"), shift_file);
    shift_active = 0;
    section = 0;
}

TEST(ConnectionFiles, EntriesOutsideOneToEightCountAsNoConnectionButAreKept)
{
    TestDataFolder data;
    Bytes damaged(96, 0);
    int32_t values[8] = {9, -1, 0x7fffffff, static_cast<int32_t>(0x80000000), 8, 1, 0, 100};
    std::memcpy(damaged.data(), values, sizeof values);
    data.write("Launcher.con", damaged);
    load_connections();
    int expected[8] = {0, 0, 0, 0, 8, 1, 0, 0};
    for (int panel = 1; panel <= 8; ++panel) {
        EXPECT_EQ(linked_panel(panel), expected[panel - 1]) << panel;
    }
    EXPECT_EQ(linked_panel(0), 0);
    EXPECT_EQ(linked_panel(9), 0);
    save_connections();
    EXPECT_EQ(data.read("Launcher.con"), damaged) << "the file keeps what it held";
}

TEST(ConnectionFiles, EveryPanelReadsItsOwnEntryInEverySectionAndState)
{
    TestDataFolder data;
    // Each entry a different target from its neighbours in the file, so a read one slot off
    // (or from another row or table) gives another number.
    auto target = [](int shift, int row, int panel) { return (panel + 2 * row + 5 * shift) % 8 + 1; };
    for (int row = 0; row < SECTION_COUNT; ++row) {
        for (int panel = 1; panel <= PANELS_PER_SET; ++panel) {
            connections.links[row][panel - 1] = target(0, row, panel);
            connections_shift.links[row][panel - 1] = target(1, row, panel);
        }
    }
    for (shift_active = 0; shift_active <= 1; ++shift_active) {
        for (section = 0; section < SECTION_COUNT; ++section) {
            for (int panel = 1; panel <= PANELS_PER_SET; ++panel) {
                EXPECT_EQ(linked_panel(panel), target(shift_active, section, panel))
                    << "shift " << shift_active << " section " << section << " panel " << panel;
            }
        }
    }
    shift_active = 0;
    section = 0;
}

TEST(ConnectionFiles, MissingFilesLeaveNoConnections)
{
    TestDataFolder data;
    std::memset(&connections, 1, sizeof connections);
    std::memset(&connections_shift, 1, sizeof connections_shift);
    load_connections();
    EXPECT_EQ(bytes_of(connections), Bytes(96, 0));
    EXPECT_EQ(bytes_of(connections_shift), Bytes(96, 0));
}

} // namespace
