// The options record: one process-wide instance, stored byte for byte as Launcher.opt.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr size_t OPTION_PATH_SIZE = 1025;

enum SoundTheme : int32_t {
    SOUND_THEME_BASIC = 1,
    SOUND_THEME_ECHO = 2,
    SOUND_THEME_CUSTOM = 3,
    SOUND_THEME_BALLOON = 4,
    SOUND_THEME_PINBALL = 5,
    SOUND_THEME_CLOCK = 6,
};

#pragma pack(push, 1)
struct LauncherOptions {
    int32_t open_in_new_browser;
    int32_t remember_location;
    int32_t window_x;
    int32_t window_y;
    int32_t delayed_launching;
    uint32_t launch_delay_ms;
    int32_t skip_restore_minimize;
    int32_t remove_original_shortcuts;
    int32_t use_sound;
    int32_t sound_theme;
    char sound_file_activation[OPTION_PATH_SIZE];
    char sound_file_changing[OPTION_PATH_SIZE];
    char sound_file_launching[OPTION_PATH_SIZE];
    char custom_wav_activation[OPTION_PATH_SIZE];
    char custom_wav_changing[OPTION_PATH_SIZE];
    char custom_wav_launching[OPTION_PATH_SIZE];
    int32_t activate_at_mouse;
    int32_t reverse_scroll;
};
#pragma pack(pop)

static_assert(sizeof(LauncherOptions) == 6198, "options file size");
static_assert(offsetof(LauncherOptions, open_in_new_browser) == 0, "layout");
static_assert(offsetof(LauncherOptions, remember_location) == 4, "layout");
static_assert(offsetof(LauncherOptions, window_x) == 8, "layout");
static_assert(offsetof(LauncherOptions, window_y) == 12, "layout");
static_assert(offsetof(LauncherOptions, delayed_launching) == 16, "layout");
static_assert(offsetof(LauncherOptions, launch_delay_ms) == 20, "layout");
static_assert(offsetof(LauncherOptions, skip_restore_minimize) == 24, "layout");
static_assert(offsetof(LauncherOptions, remove_original_shortcuts) == 28, "layout");
static_assert(offsetof(LauncherOptions, use_sound) == 32, "layout");
static_assert(offsetof(LauncherOptions, sound_theme) == 36, "layout");
static_assert(offsetof(LauncherOptions, sound_file_activation) == 40, "layout");
static_assert(offsetof(LauncherOptions, sound_file_changing) == 1065, "layout");
static_assert(offsetof(LauncherOptions, sound_file_launching) == 2090, "layout");
static_assert(offsetof(LauncherOptions, custom_wav_activation) == 3115, "layout");
static_assert(offsetof(LauncherOptions, custom_wav_changing) == 4140, "layout");
static_assert(offsetof(LauncherOptions, custom_wav_launching) == 5165, "layout");
static_assert(offsetof(LauncherOptions, activate_at_mouse) == 6190, "layout");
static_assert(offsetof(LauncherOptions, reverse_scroll) == 6194, "layout");

extern LauncherOptions options;

// Fills a zeroed record with the defaults for a screen of the given size in pixels and
// display class (1: 96 DPI, 0: 120 DPI, -1: anything else).
void apply_default_options(LauncherOptions& record, int screen_width, int screen_height, int display_class);

// The window positions a screen can hold: the range of the 16-bit coordinates that window
// and mouse messages carry. A stored position beyond it is damage; kept as it was, the
// position plus the window's size would overflow.
constexpr int32_t WINDOW_POSITION_MIN = -32768;
constexpr int32_t WINDOW_POSITION_MAX = 32767;

// The nearest position inside that range.
int32_t clamp_window_position(int32_t stored);

// Reads Launcher.opt into the record (zeroed first); returns 1 when the file opened. Every
// string field ends within its 1025 bytes afterwards, and the window position lies within
// WINDOW_POSITION_MIN..WINDOW_POSITION_MAX on both axes.
int read_options_file(LauncherOptions& record);

// Fills the record from Launcher.opt, or with the defaults for the current screen when it
// cannot be opened (writing nothing), then resolves the sound files.
void load_options();

// Writes the whole record to Launcher.opt; failures are silent.
int save_options();

// The defaults for the current screen, applied to the zeroed record.
void set_default_options();
