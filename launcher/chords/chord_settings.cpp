#include "chords/chord_settings.h"

#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "chords/settings_text.h"
#include "files/path_join.h"
#include "files/paths.h"
#include "store/record_file.h"

ChordSettings chord_settings;

namespace {

// A Vantrel.ini longer than this is read for its first part only.
constexpr size_t SETTINGS_TEXT_SIZE = 32768;

// "1", "yes", "true", "on" and their opposites; anything else leaves the value as it was.
void read_switch(Span value, int32_t& field)
{
    for (const char* word : {"1", "yes", "true", "on"}) {
        if (is(value, word)) {
            field = 1;
        }
    }
    for (const char* word : {"0", "no", "false", "off"}) {
        if (is(value, word)) {
            field = 0;
        }
    }
}

enum class Section { none, chords, excluded };

void parse_line(ChordSettings& settings, Section& section, Span line)
{
    if (line.length == 0 || line.start[0] == ';' || line.start[0] == '#') {
        return;
    }
    if (line.start[0] == '[') {
        const char* end = static_cast<const char*>(std::memchr(line.start, ']', line.length));
        Span name = trimmed(line.start + 1, end != nullptr ? static_cast<size_t>(end - line.start - 1) : 0);
        section = end == nullptr                  ? Section::none
                  : is(name, "Chords")            ? Section::chords
                  : is(name, "Excluded programs") ? Section::excluded
                                                  : Section::none;
        return;
    }
    const char* equals = static_cast<const char*>(std::memchr(line.start, '=', line.length));
    if (equals == nullptr) {
        return;
    }
    Span key = trimmed(line.start, static_cast<size_t>(equals - line.start));
    Span value = trimmed(equals + 1, line.length - static_cast<size_t>(equals - line.start) - 1);
    if (section == Section::chords) {
        if (is(key, "FullScreenKeepsChords")) {
            read_switch(value, settings.full_screen_passes);
        } else if (is(key, "Paused")) {
            read_switch(value, settings.paused);
        } else if (is(key, "Hotkey") && value.length < 64) {
            char text[64] = {};
            std::memcpy(text, value.start, value.length);
            // A line it cannot take leaves the hotkey of an earlier line as it was.
            Hotkey parsed = {0, 0};
            if (parse_hotkey(text, parsed) == 1) {
                settings.hotkey = parsed;
            }
        }
    } else if (section == Section::excluded && is(key, "Program") && value.length < PROGRAM_NAME_SIZE) {
        char name[PROGRAM_NAME_SIZE] = {};
        std::memcpy(name, value.start, value.length);
        add_excluded_program(settings, name);
    }
}

} // namespace

void default_chord_settings(ChordSettings& settings)
{
    std::memset(&settings, 0, sizeof settings);
    settings.full_screen_passes = 1;
}

void parse_chord_settings(ChordSettings& settings, const char* text, size_t length)
{
    default_chord_settings(settings);
    Section section = Section::none;
    size_t start = 0;
    for (size_t i = 0; i <= length; ++i) {
        // A stray NUL ends a line like a line break does.
        if (i == length || text[i] == '\n' || text[i] == '\r' || text[i] == '\0') {
            parse_line(settings, section, trimmed(text + start, i - start));
            start = i + 1;
        }
    }
}

size_t format_chord_settings(const ChordSettings& settings, char* text, size_t size)
{
    char hotkey[64] = {};
    format_hotkey(settings.hotkey, hotkey, sizeof hotkey);
    int written = std::snprintf(text, size,
                                "; Vantrel's chords and keys. Vantrel reads this file when it starts.\r\n"
                                "[Chords]\r\n"
                                "FullScreenKeepsChords=%d\r\n"
                                "Paused=%d\r\n"
                                "Hotkey=%s\r\n"
                                "\r\n"
                                "[Excluded programs]\r\n",
                                settings.full_screen_passes == 1 ? 1 : 0, settings.paused == 1 ? 1 : 0, hotkey);
    if (written < 0 || static_cast<size_t>(written) >= size) {
        return 0;
    }
    size_t length = static_cast<size_t>(written);
    for (uint32_t i = 0; i < settings.excluded_count && i < MAX_EXCLUDED_PROGRAMS; ++i) {
        written = std::snprintf(text + length, size - length, "Program=%s\r\n", settings.excluded[i]);
        if (written < 0 || static_cast<size_t>(written) >= size - length) {
            return 0;
        }
        length += static_cast<size_t>(written);
    }
    return length;
}

int add_excluded_program(ChordSettings& settings, const char* name)
{
    // A path names the program by its last part.
    name = file_name_part(name);
    Span span = trimmed(name, std::strlen(name));
    if (span.length == 0 || span.length >= PROGRAM_NAME_SIZE || settings.excluded_count >= MAX_EXCLUDED_PROGRAMS) {
        return 0;
    }
    char copy[PROGRAM_NAME_SIZE] = {};
    std::memcpy(copy, span.start, span.length);
    if (program_excluded(settings, copy)) {
        return 0;
    }
    std::memcpy(settings.excluded[settings.excluded_count], copy, sizeof copy);
    settings.excluded_count += 1;
    return 1;
}

void remove_excluded_program(ChordSettings& settings, uint32_t index)
{
    if (index >= settings.excluded_count || settings.excluded_count > MAX_EXCLUDED_PROGRAMS) {
        return;
    }
    for (uint32_t i = index; i + 1 < settings.excluded_count; ++i) {
        std::memcpy(settings.excluded[i], settings.excluded[i + 1], PROGRAM_NAME_SIZE);
    }
    settings.excluded_count -= 1;
    std::memset(settings.excluded[settings.excluded_count], 0, PROGRAM_NAME_SIZE);
}

bool program_excluded(const ChordSettings& settings, const char* file_name)
{
    for (uint32_t i = 0; i < settings.excluded_count && i < MAX_EXCLUDED_PROGRAMS; ++i) {
        if (same_file_name(file_name, settings.excluded[i])) {
            return true;
        }
    }
    return false;
}

int load_chord_settings()
{
    // One byte more than is read: a byte there means the file goes on past the limit.
    static char text[SETTINGS_TEXT_SIZE + 1];
    if (read_record_file(chord_settings_path, text, sizeof text) == 0) {
        default_chord_settings(chord_settings);
        return 0;
    }
    size_t length = SETTINGS_TEXT_SIZE;
    if (text[SETTINGS_TEXT_SIZE] != '\0') {
        // The last line may have been cut in two: a name cut short is another program's.
        while (length > 0 && text[length - 1] != '\n' && text[length - 1] != '\r') {
            --length;
        }
    }
    parse_chord_settings(chord_settings, text, length);
    return 1;
}

int save_chord_settings()
{
    static char text[SETTINGS_TEXT_SIZE];
    size_t length = format_chord_settings(chord_settings, text, sizeof text);
    return length > 0 ? save_data_file(chord_settings_path, text, length) : 0;
}
