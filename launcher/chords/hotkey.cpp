#include "chords/hotkey.h"

constexpr int LAUNCHER_HOTKEY_ID = 1;
constexpr int TRIAL_HOTKEY_ID = 2;

static Hotkey registered = {0, 0};

int register_launcher_hotkey(HWND window, Hotkey hotkey)
{
    if (registered.key != 0) {
        UnregisterHotKey(window, LAUNCHER_HOTKEY_ID);
        registered = Hotkey{0, 0};
    }
    if (hotkey.key == 0) {
        return 1;
    }
    if (!RegisterHotKey(window, LAUNCHER_HOTKEY_ID, hotkey.modifiers, hotkey.key)) {
        return 0;
    }
    registered = hotkey;
    return 1;
}

bool hotkey_taken_elsewhere(HWND window, Hotkey hotkey)
{
    if (hotkey.key == 0 || (hotkey.key == registered.key && hotkey.modifiers == registered.modifiers)) {
        return false;
    }
    if (!RegisterHotKey(window, TRIAL_HOTKEY_ID, hotkey.modifiers, hotkey.key)) {
        return true;
    }
    UnregisterHotKey(window, TRIAL_HOTKEY_ID);
    return false;
}
