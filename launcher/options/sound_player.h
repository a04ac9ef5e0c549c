// The call that plays a sound file, replaceable so that tests can observe what is played.
#pragma once

#include <windows.h>

using SoundPlayer = BOOL(WINAPI*)(LPCSTR sound, HMODULE module, DWORD flags);

// PlaySoundA unless a test has put something else here.
extern SoundPlayer sound_player;
