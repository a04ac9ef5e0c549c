// The sound themes as the options dialog lists them.
#pragma once

#include <cstdint>

constexpr int THEME_COUNT = 6;

// The list's entries, in the order shown: "Basic", "Echo", "Balloon", "Pinball", "Clock",
// "Custom".
extern const char* const theme_list_names[THEME_COUNT];

// The name shown for a sound_theme value, or null for a value outside 1..6.
const char* theme_name_of(int32_t theme);

// The sound_theme value for a list entry's text (letter case as written), or 0 for none.
int32_t theme_value_of(const char* name);
