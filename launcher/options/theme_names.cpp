#include "options/theme_names.h"

#include <cstring>

#include "options/options.h"

const char* const theme_list_names[THEME_COUNT] = {"Basic", "Echo", "Balloon", "Pinball", "Clock", "Custom"};

namespace {

struct ThemeName {
    const char* name;
    int32_t value;
};

// In the order the names are compared when the dialog is applied.
constexpr ThemeName theme_names[THEME_COUNT] = {
    {"Basic", SOUND_THEME_BASIC},     {"Echo", SOUND_THEME_ECHO},       {"Custom", SOUND_THEME_CUSTOM},
    {"Balloon", SOUND_THEME_BALLOON}, {"Pinball", SOUND_THEME_PINBALL}, {"Clock", SOUND_THEME_CLOCK},
};

} // namespace

const char* theme_name_of(int32_t theme)
{
    for (const ThemeName& entry : theme_names) {
        if (entry.value == theme) {
            return entry.name;
        }
    }
    return nullptr;
}

int32_t theme_value_of(const char* name)
{
    for (const ThemeName& entry : theme_names) {
        if (std::strcmp(entry.name, name) == 0) {
            return entry.value;
        }
    }
    return 0;
}
