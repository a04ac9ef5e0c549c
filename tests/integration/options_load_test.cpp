#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "data_folder.h"
#include "options/options.h"
#include "state/window_state.h"

namespace {

TEST(LoadOptions, MissingFileGivesDefaultsForThisScreenAndWritesNothing)
{
    TestDataFolder data;
    std::strcpy(install_folder, "C:\\Vantrel");
    main_window = nullptr;
    std::memset(&options, 0x33, sizeof options);
    load_options();

    HDC screen = GetDC(nullptr);
    int width = GetDeviceCaps(screen, HORZRES);
    int height = GetDeviceCaps(screen, VERTRES);
    ReleaseDC(nullptr, screen);
    bool dpi_120 = classify_display() == 0;
    EXPECT_EQ(options.remember_location, 1);
    EXPECT_EQ(options.window_x, width - (dpi_120 ? 480 : 390));
    EXPECT_EQ(options.window_y, height - (dpi_120 ? 500 : 390));
    EXPECT_EQ(options.sound_theme, SOUND_THEME_ECHO);
    EXPECT_STREQ(options.sound_file_activation, "C:\\Vantrel\\echo-activation.wav");
    EXPECT_STREQ(options.custom_wav_activation, "");
    EXPECT_FALSE(data.exists("Launcher.opt"));
}

TEST(LoadOptions, AnExistingFileIsTakenAsItIsThenTheSoundsResolved)
{
    TestDataFolder data;
    std::strcpy(install_folder, "C:\\Vantrel");
    LauncherOptions stored;
    std::memset(&stored, 0, sizeof stored);
    stored.use_sound = 1;
    stored.sound_theme = SOUND_THEME_CLOCK;
    stored.window_x = -5;
    data.write("Launcher.opt", bytes_of(stored));
    load_options();
    EXPECT_EQ(options.window_x, -5);
    EXPECT_EQ(options.remember_location, 0);
    EXPECT_STREQ(options.sound_file_changing, "C:\\Vantrel\\clock-common.wav");
}

} // namespace
