// The hotkey and its names, as Vantrel.ini and the dialog write it: modifiers and a key
// joined by "+" ("Ctrl+Alt+Space").
#pragma once

#include <cstddef>
#include <cstdint>

// RegisterHotKey's modifier bits.
constexpr uint32_t HOTKEY_ALT = 0x1;
constexpr uint32_t HOTKEY_CONTROL = 0x2;
constexpr uint32_t HOTKEY_SHIFT = 0x4;
constexpr uint32_t HOTKEY_WIN = 0x8;

struct Hotkey {
    uint32_t modifiers; // HOTKEY_* bits
    uint32_t key;       // virtual key; 0: no hotkey
};

// Whether a hotkey may be taken: none at all (key 0), or a key 0x01..0xFE held with Ctrl, Alt
// or Win. F1..F24, Pause and Scroll Lock may also stand alone or with Shift alone; any other
// key without Ctrl, Alt or Win would take that key from every program's typing.
bool hotkey_allowed(Hotkey hotkey);

// The hotkey as the file and the dialog write it ("Ctrl+Alt+Space"; "" for none), and back.
// Parsing returns 0 and leaves no hotkey for a text it does not understand or a hotkey that
// is not allowed.
void format_hotkey(Hotkey hotkey, char* text, size_t size);
int parse_hotkey(const char* text, Hotkey& hotkey);
