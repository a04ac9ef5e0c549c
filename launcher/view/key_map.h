// What a key means while the launcher window is shown: 1..8 launch that panel, the arrows
// move the light, Enter launches the lit panel, Page Up/Down and Ctrl+Left/Right change the
// section, Escape hides. The window's procedure carries the meaning out.
#pragma once

#include <cstdint>

#include "store/selection.h"

// The virtual key codes the window answers to.
constexpr uint32_t KEY_ENTER = 0x0D;
constexpr uint32_t KEY_ESCAPE = 0x1B;
constexpr uint32_t KEY_PAGE_UP = 0x21;
constexpr uint32_t KEY_PAGE_DOWN = 0x22;
constexpr uint32_t KEY_LEFT = 0x25;
constexpr uint32_t KEY_UP = 0x26;
constexpr uint32_t KEY_RIGHT = 0x27;
constexpr uint32_t KEY_DOWN = 0x28;
constexpr uint32_t KEY_NUMPAD1 = 0x61;
constexpr uint32_t KEY_NUMPAD8 = 0x68;

enum class KeyMeaning { none, launch_panel, light_panel, step_section, hide };

struct KeyAction {
    KeyMeaning meaning;
    int panel;           // launch_panel and light_panel: 1..8 (0 for Enter with no panel lit)
    Direction direction; // step_section
};

// The meaning of a key press, with Ctrl held or not, while panel lit_panel (0: none) is lit.
KeyAction key_action(uint32_t key, bool control_down, int lit_panel);

enum class Arrow { left, right, up, down };

// The panel an arrow key lights after panel (0: none lit, as if from the centre cell): the
// next panel that way in the grid, over the centre cell; at the grid's edge it stays.
int panel_after_arrow(int panel, Arrow arrow);
