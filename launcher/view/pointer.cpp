#include "view/pointer.h"

#include <cstdio>

#include "options/options.h"
#include "options/sound.h"
#include "resources/resource.h"
#include "state/window_state.h"
#include "store/panel_set.h"
#include "view/hit_test.h"
#include "view/panel_controls.h"
#include "view/panel_view.h"

int hovered_panel;

int hit_test_panel(int x, int y)
{
    return panel_at(x, y, display_class);
}

// After the shown set changes, the panel under the pointer holds another item: the
// highlight and status line are worked out again rather than kept from the old set.
static void hover_again()
{
    forget_hover(main_window);
    POINT pointer;
    if (window_shown == 1 && GetCursorPos(&pointer) && ScreenToClient(main_window, &pointer)) {
        on_mouse_move(main_window, pointer.x, pointer.y);
    }
}

void change_section(Direction direction)
{
    clear_panel_view();
    section = stepped_section(section, direction);
    play_sound_effect(SOUND_CHANGING_SECTION);
    select_current_set();
    show_section_icon();
    refresh_panels(0);
    hover_again();
}

void reset_section()
{
    clear_panel_view();
    reset_section_state();
    show_section_icon();
    refresh_panels(0);
    hover_again();
}

void toggle_shift()
{
    if (!toggle_shift_state()) {
        return;
    }
    reset_section();
    play_sound_effect(SOUND_CHANGING_SECTION);
}

static void set_panel_lit(HWND window, const PanelControls& panel, BOOL lit)
{
    EnableWindow(GetDlgItem(window, panel.group), lit);
    EnableWindow(GetDlgItem(window, panel.name), lit);
    EnableWindow(GetDlgItem(window, panel.link), lit);
}

// The panel whose controls are lit and whether the status line holds text: unlighting
// touches only those. Each control changed costs a trip through the window system and a
// repaint, and every hide (so every launch, while the started program is getting going)
// unlights.
static int lit_panel;
static bool status_shown;

void clear_panel_highlight(HWND window)
{
    if (lit_panel != 0) {
        set_panel_lit(window, panel_controls[lit_panel - 1], FALSE);
        lit_panel = 0;
    }
    if (status_shown) {
        SetDlgItemTextA(window, IDC_STATUS, "");
        status_shown = false;
    }
}

void forget_hover(HWND window)
{
    hovered_panel = 0;
    clear_panel_highlight(window);
}

void on_mouse_move(HWND window, int x, int y)
{
    if (startup_complete == 0) {
        return;
    }
    light_panel(window, hit_test_panel(x, y));
}

void light_panel(HWND window, int panel)
{
    if (panel == hovered_panel) {
        return;
    }
    hovered_panel = panel;
    clear_panel_highlight(window);
    if (panel != 0) {
        const PanelControls& controls = panel_controls[panel - 1];
        set_panel_lit(window, controls, TRUE);
        lit_panel = panel;
        status_shown = true;
        char name[ITEM_TEXT_SIZE] = {};
        GetDlgItemTextA(window, controls.name, name, sizeof name);
        if (panel_out_of_reach(panel)) {
            char status[ITEM_TEXT_SIZE + 32] = {};
            std::snprintf(status, sizeof status, "%s (not reachable)", name);
            SetDlgItemTextA(window, IDC_STATUS, status);
        } else {
            SetDlgItemTextA(window, IDC_STATUS, name);
        }
    }
}

void on_centre_press(int x, int y, Direction direction)
{
    if (startup_complete == 1 && is_centre_cell(x, y, display_class)) {
        change_section(direction);
    }
}

void on_middle_button()
{
    if (startup_complete == 1) {
        toggle_shift();
    }
}

void on_mouse_wheel(int wheel_delta)
{
    if (startup_complete == 1) {
        change_section(wheel_direction(wheel_delta, options.reverse_scroll));
    }
}

KeyAction key_meaning(WPARAM key)
{
    if (startup_complete == 0 || window_shown == 0) {
        return KeyAction{KeyMeaning::none, 0, Direction::forward};
    }
    bool control = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
    return key_action(static_cast<uint32_t>(key), control, hovered_panel);
}

void on_key_up(WPARAM key)
{
    if (startup_complete == 1 && window_shown == 1 && key == VK_SHIFT) {
        toggle_shift();
    }
}
