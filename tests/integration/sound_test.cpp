// What reaches the system's sound call for each event.
#include <windows.h>

#include <mmsystem.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "data_folder.h"
#include "options/options.h"
#include "files/paths.h"
#include "options/sound.h"
#include "options/sound_player.h"

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

// A .wav file of a quiet square wave: 8-bit mono samples, 8000 a second.
void write_wave_file(const std::string& path, unsigned seconds)
{
    const uint32_t rate = 8000;
    const uint32_t samples = rate * seconds;
    std::string wave = "RIFF";
    auto put = [&wave](uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            wave += static_cast<char>((value >> (8 * i)) & 0xFF);
        }
    };
    put(36 + samples, 4);
    wave += "WAVEfmt ";
    put(16, 4); // format block: PCM, one channel, the rate, bytes per second, block size, bits
    put(1, 2);
    put(1, 2);
    put(rate, 4);
    put(rate, 4);
    put(1, 2);
    put(8, 2);
    wave += "data";
    put(samples, 4);
    for (uint32_t i = 0; i < samples; ++i) {
        wave += static_cast<char>(i % 16 < 8 ? 0x7C : 0x84);
    }
    std::ofstream(path, std::ios::binary) << wave;
}

DWORD milliseconds_taken(const std::function<void()>& call)
{
    DWORD start = GetTickCount();
    call();
    return GetTickCount() - start;
}

TEST_F(SoundEffects, TheRealCallReturnsWhileALongSoundStillPlays)
{
    TestDataFolder data;
    std::string path = data.path("long.wav");
    write_wave_file(path, 8);
    ASSERT_GT(waveOutGetNumDevs(), 0u) << "no sound output device: playing would take no time";
    // What a call that waits for the sound costs here.
    DWORD blocking = milliseconds_taken([&path] { PlaySoundA(path.c_str(), nullptr, SND_FILENAME); });
    ASSERT_GE(blocking, 1000u) << "the sound plays too fast here to tell a waiting call";

    sound_player = PlaySoundA;
    std::strcpy(options.sound_file_activation, path.c_str());
    DWORD taken = milliseconds_taken([] { play_sound_effect(SOUND_ACTIVATION); });
    PlaySoundA(nullptr, nullptr, 0);
    EXPECT_LT(taken, blocking / 4) << "the call waited for the sound (" << blocking << " ms when waiting)";
}

} // namespace
