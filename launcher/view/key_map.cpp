#include "view/key_map.h"

KeyAction key_action(uint32_t key, bool control_down, int lit_panel)
{
    if (key >= '1' && key <= '8') {
        return KeyAction{KeyMeaning::launch_panel, static_cast<int>(key - '0'), Direction::forward};
    }
    if (key >= KEY_NUMPAD1 && key <= KEY_NUMPAD8) {
        return KeyAction{KeyMeaning::launch_panel, static_cast<int>(key - KEY_NUMPAD1 + 1), Direction::forward};
    }
    if (key == KEY_ENTER) {
        return KeyAction{KeyMeaning::launch_panel, lit_panel, Direction::forward};
    }
    if (key == KEY_PAGE_DOWN || (control_down && key == KEY_RIGHT)) {
        return KeyAction{KeyMeaning::step_section, 0, Direction::forward};
    }
    if (key == KEY_PAGE_UP || (control_down && key == KEY_LEFT)) {
        return KeyAction{KeyMeaning::step_section, 0, Direction::backward};
    }
    if (key == KEY_ESCAPE) {
        return KeyAction{KeyMeaning::hide, 0, Direction::forward};
    }
    if (key == KEY_LEFT || key == KEY_RIGHT || key == KEY_UP || key == KEY_DOWN) {
        Arrow arrow = key == KEY_LEFT    ? Arrow::left
                      : key == KEY_RIGHT ? Arrow::right
                      : key == KEY_UP    ? Arrow::up
                                         : Arrow::down;
        return KeyAction{KeyMeaning::light_panel, panel_after_arrow(lit_panel, arrow), Direction::forward};
    }
    return KeyAction{KeyMeaning::none, 0, Direction::forward};
}

int panel_after_arrow(int panel, Arrow arrow)
{
    // Grid places row * 3 + column of panels 1..8, and back; 4 is the centre cell.
    static const int place_of_panel[9] = {4, 0, 1, 2, 3, 5, 6, 7, 8};
    static const int panel_at_place[9] = {1, 2, 3, 4, 0, 5, 6, 7, 8};
    if (panel < 0 || panel > 8) {
        panel = 0;
    }
    int row = place_of_panel[panel] / 3;
    int column = place_of_panel[panel] % 3;
    int row_step = arrow == Arrow::up ? -1 : arrow == Arrow::down ? 1 : 0;
    int column_step = arrow == Arrow::left ? -1 : arrow == Arrow::right ? 1 : 0;
    for (int step = 1; step <= 2; ++step) {
        int r = row + row_step * step;
        int c = column + column_step * step;
        if (r < 0 || r > 2 || c < 0 || c > 2) {
            break;
        }
        if (panel_at_place[r * 3 + c] != 0) {
            return panel_at_place[r * 3 + c];
        }
    }
    return panel;
}
