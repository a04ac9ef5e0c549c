// Vantrel.ini: what a hand-edited or damaged file gives, and what a save writes back.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "chords/chord_settings.h"
#include "data_folder.h"

namespace {

struct Expected {
    int32_t full_screen;
    int32_t paused;
    const char* hotkey;
    std::vector<std::string> excluded;
};

std::vector<std::string> excluded_of(const ChordSettings& settings)
{
    std::vector<std::string> names;
    for (uint32_t i = 0; i < settings.excluded_count; ++i) {
        names.push_back(settings.excluded[i]);
    }
    return names;
}

TEST(ChordSettingsFile, DamagedOrMissingTextGivesTheDefaultsForWhatItCannotRead)
{
    std::string long_name(300, 'x');
    std::string cut_name(259, 'y');
    struct {
        const char* why;
        std::string text;
        Expected expected;
    } cases[] = {
        {"missing", "", {1, 0, "", {}}},
        {"binary garbage", std::string("\xff\xfe\0\x01[\x80=\n=", 10), {1, 0, "", {}}},
        {"well formed, edited by hand",
         " [ chords ]\r\nfullscreenkeepschords = off\r\nPaused=YES\nHotkey = ctrl + alt + space\n"
         "[Excluded programs]\nProgram=mstsc.exe\nProgram = C:\\Program Files\\Blender\\blender.exe\n; Program=x.exe\n",
         {0, 1, "Ctrl+Alt+Space", {"mstsc.exe", "blender.exe"}}},
        {"values it does not know keep the defaults",
         "[Chords]\nFullScreenKeepsChords=maybe\nPaused=2\nHotkey=Ctrl+Banana\nHotkey\n",
         {1, 0, "", {}}},
        {"keys in the wrong section or no section",
         "Paused=1\n[Other]\nPaused=1\nProgram=a.exe\n[Chords\nPaused=1\nProgram=b.exe\n",
         {1, 0, "", {}}},
        {"a name repeated in another case, empty, too long",
         "[Excluded programs]\nProgram=A.exe\nProgram=a.EXE\nProgram=\nProgram=" + long_name + "\nProgram=" + cut_name +
             "\n",
         {1, 0, "", {"A.exe", cut_name}}},
        {"a NUL ends a line", std::string("[Chords]\nPaused=1\0Paused=0garbage\n", 32), {1, 1, "", {}}},
        {"a function key", "[Chords]\nHotkey=Win+Shift+F12\n", {1, 0, "Shift+Win+F12", {}}},
        {"the last line wins; a key by its number",
         "[Chords]\nHotkey=F1\n[chords]\nHotkey=alt+0x6a\n",
         {1, 0, "Alt+0x6A", {}}},
        {"a later line it cannot take keeps the earlier hotkey",
         "[Chords]\nHotkey=Ctrl+F5\nHotkey=Banana\nHotkey=A\nHotkey=Shift+Tab\n",
         {1, 0, "Ctrl+F5", {}}},
    };
    for (const auto& c : cases) {
        ChordSettings settings;
        std::memset(&settings, 0x5a, sizeof settings);
        parse_chord_settings(settings, c.text.data(), c.text.size());
        char hotkey[64];
        format_hotkey(settings.hotkey, hotkey, sizeof hotkey);
        EXPECT_EQ(settings.full_screen_passes, c.expected.full_screen) << c.why;
        EXPECT_EQ(settings.paused, c.expected.paused) << c.why;
        EXPECT_STREQ(hotkey, c.expected.hotkey) << c.why;
        EXPECT_EQ(excluded_of(settings), c.expected.excluded) << c.why;
    }
}

TEST(ChordSettingsFile, ASaveIsReadBackAsItWasAndAFullListStaysWithinTheFile)
{
    TestDataFolder data;
    EXPECT_EQ(load_chord_settings(), 0);
    EXPECT_EQ(chord_settings.full_screen_passes, 1);

    chord_settings.paused = 1;
    chord_settings.full_screen_passes = 0;
    chord_settings.hotkey = Hotkey{HOTKEY_CONTROL | HOTKEY_ALT, 0x20};
    for (int i = 0; i < 70; ++i) {
        std::string name = std::to_string(i) + std::string(250, 'n') + ".exe";
        add_excluded_program(chord_settings, name.c_str());
    }
    EXPECT_EQ(chord_settings.excluded_count, MAX_EXCLUDED_PROGRAMS);
    remove_excluded_program(chord_settings, 0);
    ChordSettings saved = chord_settings;
    ASSERT_EQ(save_chord_settings(), 1);
    std::memset(&chord_settings, 0, sizeof chord_settings);
    EXPECT_EQ(load_chord_settings(), 1);
    EXPECT_EQ(std::memcmp(&chord_settings, &saved, sizeof saved), 0);
    EXPECT_TRUE(program_excluded(chord_settings, ("63" + std::string(250, 'N') + ".EXE").c_str()));
    EXPECT_FALSE(program_excluded(chord_settings, ("0" + std::string(250, 'n') + ".exe").c_str()));

    // A file too long to read whole: its cut last line is not taken for a name.
    std::string text = "[Excluded programs]\n;";
    text += std::string(32768 - 11 - text.size() - 1, 'c') + "\nProgram=abcdef.exe\n";
    data.write("Vantrel.ini", Bytes(text.begin(), text.end()));
    EXPECT_EQ(load_chord_settings(), 1);
    EXPECT_EQ(excluded_of(chord_settings), std::vector<std::string>{});
}

} // namespace
