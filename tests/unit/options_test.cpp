// The options record and its file, the defaults, and the sound files a theme resolves to.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "data_folder.h"
#include "options/options.h"
#include "options/sound.h"

namespace {

LauncherOptions zeroed()
{
    LauncherOptions record;
    std::memset(&record, 0, sizeof record);
    return record;
}

TEST(OptionsFile, RecordRoundTripsByteForByteAndIsAlways6198Bytes)
{
    TestDataFolder data;
    Bytes image = pattern_bytes(sizeof(LauncherOptions));
    for (size_t end : {40 + 1024, 1065 + 1024, 2090 + 1024, 3115 + 1024, 4140 + 1024, 5165 + 1024}) {
        image[end] = 0; // every string ends inside its field
    }
    for (size_t high_bytes : {10, 11, 14, 15}) {
        image[high_bytes] = 0; // the window position lies where a screen can show it
    }
    data.write("Launcher.opt", image);
    ASSERT_EQ(read_options_file(options), 1);
    EXPECT_EQ(bytes_of(options), image);
    save_options();
    EXPECT_EQ(data.read("Launcher.opt"), image);

    // Whatever length was read, the saved file is whole.
    for (size_t length : {0u, 7u, 6197u, 7000u}) {
        data.write("Launcher.opt", pattern_bytes(length));
        read_options_file(options);
        save_options();
        EXPECT_EQ(data.read("Launcher.opt").size(), 6198u) << length;
    }
}

TEST(OptionsFile, TheLastTwoFieldsStandAtTheirUnalignedOffsets)
{
    TestDataFolder data;
    options = zeroed();
    options.activate_at_mouse = 1;
    options.reverse_scroll = 1;
    options.launch_delay_ms = 0x01020304;
    save_options();
    Bytes file = data.read("Launcher.opt");
    ASSERT_EQ(file.size(), 6198u);
    EXPECT_EQ(file[6190], 1);
    EXPECT_EQ(file[6194], 1);
    EXPECT_EQ(file[20], 4);
    EXPECT_EQ(file[23], 1);
}

TEST(OptionsFile, AnEmptyFileTurnsEverythingOffWithoutDefaults)
{
    TestDataFolder data;
    data.write("Launcher.opt", Bytes());
    std::memset(&options, 0x7f, sizeof options);
    ASSERT_EQ(read_options_file(options), 1);
    EXPECT_EQ(bytes_of(options), Bytes(sizeof(LauncherOptions), 0));
}

TEST(OptionsFile, MissingFileIsReportedAndNothingIsWritten)
{
    TestDataFolder data;
    EXPECT_EQ(read_options_file(options), 0);
    EXPECT_FALSE(data.exists("Launcher.opt"));
}

TEST(OptionsFile, ZeroDelaySurvivesLoadAndSave)
{
    TestDataFolder data;
    options = zeroed();
    options.delayed_launching = 1;
    options.launch_delay_ms = 0;
    save_options();
    read_options_file(options);
    EXPECT_EQ(options.launch_delay_ms, 0u);
    save_options();
    EXPECT_EQ(data.read("Launcher.opt")[20], 0);
}

TEST(OptionsFile, StringFieldsWithoutTerminatorEndInsideTheirField)
{
    TestDataFolder data;
    data.write("Launcher.opt", Bytes(sizeof(LauncherOptions), 'w'));
    read_options_file(options);
    for (const char* field :
         {options.sound_file_activation, options.sound_file_changing, options.sound_file_launching,
          options.custom_wav_activation, options.custom_wav_changing, options.custom_wav_launching}) {
        EXPECT_EQ(std::strlen(field), OPTION_PATH_SIZE - 1);
    }
}

TEST(OptionsFile, AStoredPositionBeyondAnyScreenIsBroughtIntoRangeBeforeUse)
{
    constexpr int32_t lowest = std::numeric_limits<int32_t>::min();
    constexpr int32_t highest = std::numeric_limits<int32_t>::max();
    struct Case {
        int32_t stored, read;
    } const cases[] = {{lowest, -32768}, {lowest + 1, -32768}, {-40000, -32768},
                       {-32769, -32768}, {-32768, -32768},     {-123, -123},
                       {0, 0},           {4567, 4567},         {32767, 32767},
                       {32768, 32767},   {highest - 1, 32767}, {highest, 32767}};
    TestDataFolder data;
    constexpr size_t count = sizeof cases / sizeof cases[0];
    for (size_t i = 0; i < count; ++i) {
        // Each field on its own: the other one takes a case from the far end of the table.
        const Case& x = cases[i];
        const Case& y = cases[count - 1 - i];
        LauncherOptions stored = zeroed();
        stored.remember_location = 1;
        stored.window_x = x.stored;
        stored.window_y = y.stored;
        data.write("Launcher.opt", bytes_of(stored));
        ASSERT_EQ(read_options_file(options), 1);
        EXPECT_EQ(options.window_x, x.read) << x.stored;
        EXPECT_EQ(options.window_y, y.read) << y.stored;
        // The far edges of the largest window any screen shows stay within an int: the sums the
        // placement makes.
        int right = options.window_x + 65535;
        int bottom = options.window_y + 65535;
        EXPECT_EQ(right - 65535, options.window_x);
        EXPECT_EQ(bottom - 65535, options.window_y);
    }
}

TEST(DefaultOptions, PositionFollowsScreenSizeAndDisplayClass)
{
    LauncherOptions record = zeroed();
    apply_default_options(record, 1280, 1024, 1);
    EXPECT_EQ(record.remember_location, 1);
    EXPECT_EQ(record.window_x, 890);
    EXPECT_EQ(record.window_y, 634);

    record = zeroed();
    apply_default_options(record, 1280, 1024, 0);
    EXPECT_EQ(record.window_x, 800);
    EXPECT_EQ(record.window_y, 524);

    // Any other resolution is placed as at 96 DPI.
    record = zeroed();
    apply_default_options(record, 1280, 1024, -1);
    EXPECT_EQ(record.window_x, 890);
    EXPECT_EQ(record.window_y, 634);
}

TEST(DefaultOptions, UnusableScreenSizesRememberNoPosition)
{
    struct Case {
        int width, height, usable;
    } const cases[] = {{360, 1024, 0},  {369, 1024, 0}, {370, 350, 1},   {9998, 9998, 1},
                       {9999, 1024, 0}, {1280, 349, 0}, {1280, 9999, 0}, {0, 0, 0}};
    for (const Case& c : cases) {
        LauncherOptions record = zeroed();
        apply_default_options(record, c.width, c.height, 1);
        EXPECT_EQ(record.remember_location, c.usable) << c.width << "x" << c.height;
        if (!c.usable) {
            EXPECT_EQ(record.window_x, 0);
            EXPECT_EQ(record.window_y, 0);
        }
    }
}

TEST(DefaultOptions, FlagsThemeAndEmptyFields)
{
    LauncherOptions record = zeroed();
    apply_default_options(record, 1280, 1024, 1);
    EXPECT_EQ(record.open_in_new_browser, 1);
    EXPECT_EQ(record.delayed_launching, 0);
    EXPECT_EQ(record.launch_delay_ms, 0u);
    EXPECT_EQ(record.skip_restore_minimize, 1);
    EXPECT_EQ(record.remove_original_shortcuts, 0);
    EXPECT_EQ(record.use_sound, 1);
    EXPECT_EQ(record.sound_theme, SOUND_THEME_ECHO);
    EXPECT_EQ(+record.activate_at_mouse, 0); // a copy: the field is unaligned
    EXPECT_EQ(+record.reverse_scroll, 0);
    Bytes strings(reinterpret_cast<uint8_t*>(record.sound_file_activation),
                  reinterpret_cast<uint8_t*>(record.sound_file_activation) + 6 * OPTION_PATH_SIZE);
    EXPECT_EQ(strings, Bytes(6 * OPTION_PATH_SIZE, 0));
}

class SoundFiles : public ::testing::Test {
  protected:
    void SetUp() override
    {
        options = zeroed();
        options.use_sound = 1;
        std::strcpy(install_folder, "C:\\Program Files\\Brasmoor\\Vantrel");
    }
    void TearDown() override { std::memset(install_folder, 0, PATH_BUFFER_SIZE); }

    static std::string installed(const char* name)
    {
        return std::string("C:\\Program Files\\Brasmoor\\Vantrel\\") + name;
    }
};

TEST_F(SoundFiles, EachThemeResolvesToItsFilesInTheInstallFolder)
{
    struct Case {
        int32_t theme;
        const char *activation, *changing, *launching;
    } const cases[] = {
        {1, "basic-activation.wav", "basic-changing.wav", "basic-launching.wav"},
        {2, "echo-activation.wav", "echo-changing.wav", "echo-launching.wav"},
        {4, "balloon-common.wav", "balloon-common.wav", "basic-launching.wav"},
        {5, "pinball-activation.wav", "pinball-changing.wav", "pinball-launching.wav"},
        {6, "clock-common.wav", "clock-common.wav", "clock-launching.wav"},
    };
    for (const Case& c : cases) {
        options.sound_theme = c.theme;
        resolve_sound_files();
        EXPECT_EQ(std::string(sound_file_for_event(SOUND_ACTIVATION)), installed(c.activation)) << c.theme;
        EXPECT_EQ(std::string(sound_file_for_event(SOUND_CHANGING_SECTION)), installed(c.changing)) << c.theme;
        EXPECT_EQ(std::string(sound_file_for_event(SOUND_LAUNCHING)), installed(c.launching)) << c.theme;
    }
    EXPECT_EQ(sound_file_for_event(10), nullptr);
    EXPECT_EQ(sound_file_for_event(14), nullptr);
}

TEST_F(SoundFiles, CustomThemeCopiesTheUsersPathsAndEmptyStaysEmpty)
{
    options.sound_theme = SOUND_THEME_CUSTOM;
    std::strcpy(options.custom_wav_activation, "D:\\wav\\up.wav");
    std::strcpy(options.custom_wav_launching, "D:\\wav\\go.wav");
    std::strcpy(options.sound_file_changing, "stale");
    resolve_sound_files();
    EXPECT_STREQ(options.sound_file_activation, "D:\\wav\\up.wav");
    EXPECT_STREQ(options.sound_file_changing, "");
    EXPECT_STREQ(options.sound_file_launching, "D:\\wav\\go.wav");
    EXPECT_EQ(options.sound_file_changing[4], '\0') << "the field is cleared whole";
}

TEST_F(SoundFiles, SoundOffOrAnUnknownThemeChangesNothing)
{
    std::strcpy(options.sound_file_activation, "kept.wav");
    options.sound_theme = SOUND_THEME_BASIC;
    // Only 1 switches sound on.
    for (int32_t off : {0, 2, 255, -1}) {
        options.use_sound = off;
        resolve_sound_files();
        EXPECT_STREQ(options.sound_file_activation, "kept.wav") << off;
    }
    options.use_sound = 1;
    for (int32_t theme : {0, 7, -1}) {
        options.sound_theme = theme;
        resolve_sound_files();
        EXPECT_STREQ(options.sound_file_activation, "kept.wav") << theme;
    }
}

TEST_F(SoundFiles, RelativeInstallFolderAndOverlongPathsAreCutToTheField)
{
    std::strcpy(install_folder, ".");
    options.sound_theme = SOUND_THEME_ECHO;
    resolve_sound_files();
    EXPECT_STREQ(options.sound_file_activation, ".\\echo-activation.wav");

    std::string folder(1020, 'f');
    std::strcpy(install_folder, folder.c_str());
    resolve_sound_files();
    EXPECT_EQ(std::strlen(options.sound_file_activation), OPTION_PATH_SIZE - 1);
    EXPECT_EQ(std::string(options.sound_file_activation), (folder + "\\echo-activation.wav").substr(0, 1024));
}

} // namespace
