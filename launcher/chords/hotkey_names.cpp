#include "chords/hotkey_names.h"

#include <cstdio>
#include <cstring>

#include "chords/settings_text.h"

namespace {

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

} // namespace

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

bool hotkey_allowed(Hotkey hotkey)
{
    constexpr uint32_t F1 = 0x70, F24 = 0x87, PAUSE = 0x13, SCROLL_LOCK = 0x91;
    if (hotkey.key == 0) {
        return true;
    }
    if (hotkey.key > 0xFE) {
        return false;
    }
    bool stands_alone = (hotkey.key >= F1 && hotkey.key <= F24) || hotkey.key == PAUSE || hotkey.key == SCROLL_LOCK;
    return stands_alone || (hotkey.modifiers & (HOTKEY_CONTROL | HOTKEY_ALT | HOTKEY_WIN)) != 0;
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
            Hotkey parsed = {modifiers, key_from_name(name)};
            if (parsed.key == 0 || !hotkey_allowed(parsed)) {
                return 0;
            }
            hotkey = parsed;
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
