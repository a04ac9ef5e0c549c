#include "view/key_map.h"

#include <gtest/gtest.h>

namespace {

TEST(KeyMap, EveryKeyMeansWhatTheWindowDoes)
{
    const KeyAction launch_3 = {KeyMeaning::launch_panel, 3, Direction::forward};
    const KeyAction forward = {KeyMeaning::step_section, 0, Direction::forward};
    const KeyAction backward = {KeyMeaning::step_section, 0, Direction::backward};
    const KeyAction nothing = {KeyMeaning::none, 0, Direction::forward};
    struct {
        const char* name;
        uint32_t key;
        bool control;
        int lit;
        KeyAction action;
    } cases[] = {
        {"digit 1", '1', false, 0, {KeyMeaning::launch_panel, 1, Direction::forward}},
        {"digit 3 with a panel lit", '3', false, 7, launch_3},
        {"digit 8", '8', false, 0, {KeyMeaning::launch_panel, 8, Direction::forward}},
        {"digit 8 with Ctrl", '8', true, 0, {KeyMeaning::launch_panel, 8, Direction::forward}},
        {"digit 0", '0', false, 0, nothing},
        {"digit 9", '9', false, 0, nothing},
        {"keypad 1", KEY_NUMPAD1, false, 0, {KeyMeaning::launch_panel, 1, Direction::forward}},
        {"keypad 3", KEY_NUMPAD1 + 2, false, 0, launch_3},
        {"keypad 8", KEY_NUMPAD8, false, 0, {KeyMeaning::launch_panel, 8, Direction::forward}},
        {"keypad 9", KEY_NUMPAD8 + 1, false, 0, nothing},
        {"keypad 0", KEY_NUMPAD1 - 1, false, 0, nothing},
        {"Enter launches the lit panel", KEY_ENTER, false, 3, launch_3},
        {"Enter with none lit", KEY_ENTER, false, 0, {KeyMeaning::launch_panel, 0, Direction::forward}},
        {"Page Down", KEY_PAGE_DOWN, false, 2, forward},
        {"Page Up", KEY_PAGE_UP, false, 2, backward},
        {"Ctrl+Right", KEY_RIGHT, true, 2, forward},
        {"Ctrl+Left", KEY_LEFT, true, 2, backward},
        {"Ctrl+Up lights", KEY_UP, true, 7, {KeyMeaning::light_panel, 2, Direction::forward}},
        {"Escape", KEY_ESCAPE, false, 4, {KeyMeaning::hide, 0, Direction::forward}},
        {"Right from none", KEY_RIGHT, false, 0, {KeyMeaning::light_panel, 5, Direction::forward}},
        {"Left from 5 over the centre", KEY_LEFT, false, 5, {KeyMeaning::light_panel, 4, Direction::forward}},
        {"Down from 2 over the centre", KEY_DOWN, false, 2, {KeyMeaning::light_panel, 7, Direction::forward}},
        {"Up at the edge stays", KEY_UP, false, 1, {KeyMeaning::light_panel, 1, Direction::forward}},
        {"a letter", 'A', false, 1, nothing},
        {"Space", 0x20, false, 1, nothing},
        {"Shift", 0x10, false, 1, nothing},
    };
    for (const auto& c : cases) {
        KeyAction action = key_action(c.key, c.control, c.lit);
        EXPECT_EQ(action.meaning, c.action.meaning) << c.name;
        EXPECT_EQ(action.panel, c.action.panel) << c.name;
        EXPECT_EQ(action.direction, c.action.direction) << c.name;
    }
}

TEST(ArrowKeys, MoveTheLightToTheNextPanelThatWayOverTheCentreAndStopAtTheEdge)
{
    struct {
        int from;
        Arrow arrow;
        int to;
    } cases[] = {
        {0, Arrow::up, 2},    {0, Arrow::down, 7},  {0, Arrow::left, 4},  {0, Arrow::right, 5}, {1, Arrow::right, 2},
        {2, Arrow::right, 3}, {3, Arrow::right, 3}, {1, Arrow::up, 1},    {2, Arrow::down, 7},  {7, Arrow::up, 2},
        {4, Arrow::right, 5}, {5, Arrow::left, 4},  {4, Arrow::up, 1},    {6, Arrow::left, 6},  {8, Arrow::down, 8},
        {5, Arrow::down, 8},  {9, Arrow::up, 2},    {-1, Arrow::left, 4},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(panel_after_arrow(c.from, c.arrow), c.to) << c.from << " " << static_cast<int>(c.arrow);
    }
}

} // namespace
