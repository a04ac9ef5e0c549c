// What reaches the system's sound call for each event.
#include <windows.h>

#include <mmsystem.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "options.h"
#include "paths.h"
#include "sound.h"
#include "sound_player.h"

namespace {

struct PlayedSound {
    std::string path;
    HMODULE module;
    DWORD flags;
};

std::vector<PlayedSound> played;

BOOL WINAPI record_sound(LPCSTR sound, HMODULE module, DWORD flags)
{
    played.push_back({sound, module, flags});
    return TRUE;
}

class SoundEffects : public ::testing::Test {
  protected:
    void SetUp() override
    {
        played.clear();
        sound_player = record_sound;
        std::memset(&options, 0, sizeof options);
        std::strcpy(install_folder, "C:\\Vantrel");
        options.use_sound = 1;
        options.sound_theme = SOUND_THEME_PINBALL;
        resolve_sound_files();
    }
    void TearDown() override { sound_player = PlaySoundA; }
};

TEST_F(SoundEffects, EachEventPlaysItsFileAsynchronouslyByName)
{
    play_sound_effect(SOUND_ACTIVATION);
    play_sound_effect(SOUND_CHANGING_SECTION);
    play_sound_effect(SOUND_LAUNCHING);
    play_sound_effect(10);
    play_sound_effect(14);
    ASSERT_EQ(played.size(), 3u);
    EXPECT_EQ(played[0].path, "C:\\Vantrel\\pinball-activation.wav");
    EXPECT_EQ(played[1].path, "C:\\Vantrel\\pinball-changing.wav");
    EXPECT_EQ(played[2].path, "C:\\Vantrel\\pinball-launching.wav");
    for (const PlayedSound& sound : played) {
        EXPECT_EQ(sound.flags, static_cast<DWORD>(SND_FILENAME | SND_ASYNC));
        EXPECT_EQ(sound.flags, 0x20001u);
        EXPECT_EQ(sound.module, nullptr);
    }
}

TEST_F(SoundEffects, NothingPlaysWithSoundOff)
{
    for (int32_t off : {0, 2, 255, -1}) {
        options.use_sound = off;
        for (int event : {11, 12, 13}) {
            play_sound_effect(event);
        }
        EXPECT_TRUE(played.empty()) << off;
    }
}

TEST_F(SoundEffects, AnEmptyCustomPathIsStillHandedOn)
{
    options.sound_theme = SOUND_THEME_CUSTOM;
    resolve_sound_files();
    play_sound_effect(SOUND_LAUNCHING);
    ASSERT_EQ(played.size(), 1u);
    EXPECT_EQ(played[0].path, "");
}

TEST_F(SoundEffects, TheRealCallReturnsAtOnceForAMissingFile)
{
    sound_player = PlaySoundA;
    DWORD start = GetTickCount();
    play_sound_effect(SOUND_ACTIVATION);
    EXPECT_LT(GetTickCount() - start, 1000u);
}

} // namespace
