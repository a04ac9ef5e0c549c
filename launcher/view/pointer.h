// The pointer, wheel, buttons and Shift key over the shown launcher window: hover
// highlight, section steps and the Shift set.
#pragma once

#include <windows.h>

#include "store/selection.h"
#include "view/key_map.h"

extern int hovered_panel;

// The panel under a client point, with the current display's geometry.
int hit_test_panel(int x, int y);

// Section and Shift changes with their redraw and sound.
void change_section(Direction direction);
void reset_section();
void toggle_shift();

// No panel lit and an empty status line.
void clear_panel_highlight(HWND window);

// No panel lit, an empty status line and no panel taken as hovered: the state after a hide,
// and after the shown set changes until the pointer's panel is looked up again.
void forget_hover(HWND window);

void on_mouse_move(HWND window, int x, int y);
void on_centre_press(int x, int y, Direction direction);
void on_middle_button();
void on_mouse_wheel(int wheel_delta);
void on_key_up(WPARAM key);

// Lights panel 1..8 (0: none) with its status line, as the pointer over it does.
void light_panel(HWND window, int panel);

// What a key press means (nothing unless the window is shown after start-up); the window
// carries it out.
KeyAction key_meaning(WPARAM key);
