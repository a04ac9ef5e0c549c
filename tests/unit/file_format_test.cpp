// Every build reads the committed reference files into the same values and writes them
// back byte for byte, so files move between the 32-bit and the 64-bit program unchanged.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

#include "store/connections.h"
#include "data_folder.h"
#include "options/options.h"

#ifndef VANTREL_TEST_DATA
#error "VANTREL_TEST_DATA names the folder of the reference files"
#endif

namespace {

Bytes reference(const char* name)
{
    std::ifstream in(std::string(VANTREL_TEST_DATA) + "/" + name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(FileFormat, ReferenceFilesReadIntoTheirValuesAndWriteBackUnchanged)
{
    TestDataFolder data;
    for (const char* name : {"Launcher.lst", "Launcher.con", "Launcher.opt"}) {
        ASSERT_FALSE(reference(name).empty()) << name;
        data.write(name, reference(name));
    }
    load_panel_data();
    load_connections();
    ASSERT_EQ(read_options_file(options), 1);

    EXPECT_EQ(panel_sets[0].occupied[0], 1);
    EXPECT_EQ(panel_sets[0].occupied[1], 0);
    EXPECT_STREQ(panel_sets[0].item_text[2], "@EFriends@1ann@example.com;bob@example.com");
    EXPECT_STREQ(panel_sets[0].item_text[7], "C:\\Links\\Site.url");
    EXPECT_EQ(connections.links[0][0], 3);
    EXPECT_EQ(connections.links[0][7], 1);
    EXPECT_EQ(connections.links[2][3], 5);
    EXPECT_EQ(options.window_x, -123);
    EXPECT_EQ(options.window_y, 4567);
    EXPECT_EQ(options.launch_delay_ms, 1000u);
    EXPECT_EQ(options.sound_theme, SOUND_THEME_CUSTOM);
    EXPECT_STREQ(options.custom_wav_launching, "D:\\Sounds\\go.wav");
    EXPECT_EQ(+options.activate_at_mouse, 1);
    EXPECT_EQ(+options.reverse_scroll, 1);

    for (const char* name : {"Launcher.lst", "Launcher.con", "Launcher.opt"}) {
        std::filesystem::remove(data.path(name));
    }
    save_panel_set(0);
    save_connections();
    save_options();
    EXPECT_EQ(data.read("Launcher.lst"), reference("Launcher.lst"));
    EXPECT_EQ(data.read("Launcher.con"), reference("Launcher.con"));
    EXPECT_EQ(data.read("Launcher.opt"), reference("Launcher.opt"));
}

} // namespace
