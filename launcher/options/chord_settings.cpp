#include "chord_settings.h"

#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "path_join.h"
#include "paths.h"
#include "record_file.h"

ChordSettings chord_settings;

namespace {

// A Vantrel.ini longer than this is read for its first part only.
constexpr size_t SETTINGS_TEXT_SIZE = 32768;

bool same_text(const char* a, size_t a_length, const char* b)
{
    size_t b_length = std::strlen(b);
    if (a_length != b_length) {
        return false;
    }
    for (size_t i = 0; i < a_length; ++i) {
        if (ascii_lower(a[i]) != ascii_lower(b[i])) {
            return false;
        }
    }
    return true;
}

bool blank(char c)
{
    return c == ' ' || c == '\t';
}

// A piece of a line, spaces trimmed at both ends.
struct Span {
    const char* start;
    size_t length;
};

Span trimmed(const char* start, size_t length)
{
    while (length > 0 && blank(start[0])) {
        ++start;
        --length;
    }
    while (length > 0 && blank(start[length - 1])) {
        --length;
    }
    return Span{start, length};
}

bool is(Span span, const char* word)
{
    return same_text(span.start, span.length, word);
}

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

struct KeyName {
    uint32_t key;
    const char* name;
};

// Keys with a name of their own; letters, digits and F1..F24 are read and written apart.
constexpr KeyName KEY_NAMES[] = {
    {0x20, "Space"},  {0x0D, "Enter"}, {0x09, "Tab"},  {0x08, "Backspace"}, {0x1B, "Esc"},         {0x2D, "Insert"},
    {0x2E, "Delete"}, {0x24, "Home"},  {0x23, "End"},  {0x21, "PageUp"},    {0x22, "PageDown"},    {0x25, "Left"},
    {0x27, "Right"},  {0x26, "Up"},    {0x28, "Down"}, {0x13, "Pause"},     {0x2C, "PrintScreen"}, {0x91, "ScrollLock"},
};

constexpr struct {
    uint32_t bit;
    const char* name;
} MODIFIER_NAMES[] = {{HOTKEY_CONTROL, "Ctrl"}, {HOTKEY_ALT, "Alt"}, {HOTKEY_SHIFT, "Shift"}, {HOTKEY_WIN, "Win"}};

// A key's name to its virtual key; 0 when unknown.
uint32_t key_from_name(Span name)
{
    if (name.length == 1) {
        char c = ascii_lower(name.start[0]);
        if (c >= 'a' && c <= 'z') {
            return static_cast<uint32_t>(c - 'a' + 'A');
        }
        if (c >= '0' && c <= '9') {
            return static_cast<uint32_t>(c);
        }
    }
    if ((name.length == 2 || name.length == 3) && ascii_lower(name.start[0]) == 'f') {
        uint32_t number = 0;
        for (size_t i = 1; i < name.length; ++i) {
            if (name.start[i] < '0' || name.start[i] > '9') {
                return 0;
            }
            number = number * 10 + static_cast<uint32_t>(name.start[i] - '0');
        }
        return number >= 1 && number <= 24 ? 0x70 + number - 1 : 0;
    }
    // Any other key by its number, as the file writes it: "0x6A".
    if (name.length > 2 && name.length <= 4 && name.start[0] == '0' && ascii_lower(name.start[1]) == 'x') {
        uint32_t number = 0;
        for (size_t i = 2; i < name.length; ++i) {
            char c = ascii_lower(name.start[i]);
            int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
            if (digit < 0) {
                return 0;
            }
            number = number * 16 + static_cast<uint32_t>(digit);
        }
        return number >= 1 && number <= 0xFE ? number : 0;
    }
    for (const KeyName& entry : KEY_NAMES) {
        if (is(name, entry.name)) {
            return entry.key;
        }
    }
    return 0;
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
            parse_hotkey(text, settings.hotkey);
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

void format_hotkey(Hotkey hotkey, char* text, size_t size)
{
    if (size == 0) {
        return;
    }
    text[0] = '\0';
    if (hotkey.key == 0) {
        return;
    }
    size_t length = 0;
    auto append = [&](const char* part) {
        int written = std::snprintf(text + length, size - length, "%s", part);
        if (written > 0 && static_cast<size_t>(written) < size - length) {
            length += static_cast<size_t>(written);
        }
    };
    for (const auto& modifier : MODIFIER_NAMES) {
        if ((hotkey.modifiers & modifier.bit) != 0) {
            append(modifier.name);
            append("+");
        }
    }
    char name[8] = {};
    if ((hotkey.key >= 'A' && hotkey.key <= 'Z') || (hotkey.key >= '0' && hotkey.key <= '9')) {
        name[0] = static_cast<char>(hotkey.key);
    } else if (hotkey.key >= 0x70 && hotkey.key <= 0x87) {
        std::snprintf(name, sizeof name, "F%u", hotkey.key - 0x70 + 1);
    } else {
        std::snprintf(name, sizeof name, "0x%02X", hotkey.key & 0xFF);
        for (const KeyName& entry : KEY_NAMES) {
            if (entry.key == hotkey.key) {
                append(entry.name);
                return;
            }
        }
    }
    append(name);
}

int parse_hotkey(const char* text, Hotkey& hotkey)
{
    hotkey = Hotkey{0, 0};
    Span whole = trimmed(text, std::strlen(text));
    if (whole.length == 0 || is(whole, "none")) {
        return 1;
    }
    uint32_t modifiers = 0;
    const char* part = whole.start;
    const char* end = whole.start + whole.length;
    while (true) {
        const char* plus = static_cast<const char*>(std::memchr(part, '+', static_cast<size_t>(end - part)));
        Span name = trimmed(part, static_cast<size_t>((plus != nullptr ? plus : end) - part));
        if (plus == nullptr) {
            uint32_t key = key_from_name(name);
            if (key == 0) {
                return 0;
            }
            hotkey = Hotkey{modifiers, key};
            return 1;
        }
        uint32_t bit = 0;
        for (const auto& modifier : MODIFIER_NAMES) {
            if (is(name, modifier.name)) {
                bit = modifier.bit;
            }
        }
        if (bit == 0 && is(name, "Control")) {
            bit = HOTKEY_CONTROL;
        }
        if (bit == 0) {
            return 0;
        }
        modifiers |= bit;
        part = plus + 1;
    }
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
