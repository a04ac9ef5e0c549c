// Hotkeys as Vantrel.ini and the dialog write them, and which of them may be taken at all.
#include "chords/hotkey_names.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(HotkeyNames, AKeyNeedsCtrlAltOrWinUnlessItIsAFunctionPauseOrScrollLockKey)
{
    struct {
        const char* text;
        const char* read_back; // nullptr: refused, no hotkey
    } cases[] = {
        {"Ctrl+A", "Ctrl+A"},
        {"alt + space", "Alt+Space"},
        {"Win+Shift+9", "Shift+Win+9"},
        {"A", nullptr},
        {"Shift+A", nullptr},
        {"Shift+Enter", nullptr},
        {"Esc", nullptr},
        {"F1", "F1"},
        {"F24", "F24"},
        {"Shift+F24", "Shift+F24"},
        {"F25", nullptr},
        {"Ctrl+F25", nullptr},
        {"0x87", "F24"},
        {"Pause", "Pause"},
        {"ScrollLock", "ScrollLock"},
        {"Ctrl+0x01", "Ctrl+0x01"},
        {"Ctrl+0xFE", "Ctrl+0xFE"},
        {"Ctrl+0x00", nullptr},
        {"Ctrl+0xFF", nullptr},
        {"Ctrl+Banana", nullptr},
        {"Ctrl+", nullptr},
        {"", ""},
        {"none", ""},
    };
    for (const auto& c : cases) {
        Hotkey hotkey = {HOTKEY_ALT, 'Q'};
        int parsed = parse_hotkey(c.text, hotkey);
        char text[64] = {};
        format_hotkey(hotkey, text, sizeof text);
        EXPECT_EQ(parsed, c.read_back != nullptr ? 1 : 0) << c.text;
        EXPECT_EQ(std::string(text), c.read_back != nullptr ? c.read_back : "") << c.text;
        EXPECT_EQ(hotkey_allowed(hotkey), true) << c.text;
    }
    EXPECT_FALSE(hotkey_allowed(Hotkey{HOTKEY_SHIFT, 'A'}));
    EXPECT_FALSE(hotkey_allowed(Hotkey{HOTKEY_CONTROL, 0xFF}));
    EXPECT_TRUE(hotkey_allowed(Hotkey{0, 0}));
}

} // namespace
