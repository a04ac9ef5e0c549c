// Mouse message sequences and the chords they must produce, shared by the test of the
// recogniser and the test of the real hook procedure.
#pragma once

#include <cstdint>
#include <vector>

struct ChordSequence {
    const char* name;
    std::vector<uint32_t> messages;
    // For each message, 1 when it must complete a chord (and be swallowed).
    std::vector<int> chords;
};

constexpr uint32_t LDOWN = 0x201, LUP = 0x202, LDBL = 0x203;
constexpr uint32_t RDOWN = 0x204, RUP = 0x205, RDBL = 0x206;
constexpr uint32_t MOVE = 0x200, WHEEL = 0x20A, MDOWN = 0x207, MUP = 0x208;
constexpr uint32_t NCLDOWN = 0x0A1, NCRDOWN = 0x0A4, XDOWN = 0x20B;

inline const std::vector<ChordSequence>& chord_sequences()
{
    static const std::vector<ChordSequence> sequences = {
        {"right_then_left", {RDOWN, LDOWN, LUP, RUP}, {0, 1, 0, 0}},
        {"left_then_right", {LDOWN, RDOWN, RUP, LUP}, {0, 1, 0, 0}},
        {"release_between_clears", {LDOWN, LUP, RDOWN}, {0, 0, 0}},
        {"stray_release_clears", {LDOWN, RUP, RDOWN}, {0, 0, 0}},
        {"one_button_held_gives_one_chord", {RDOWN, LDOWN, LUP, LDOWN, LUP, LDOWN}, {0, 1, 0, 0, 0, 0}},
        {"new_chord_after_releases", {RDOWN, LDOWN, LUP, RUP, LDOWN, RDOWN}, {0, 1, 0, 0, 0, 1}},
        {"double_click_ids_are_not_presses", {LDBL, RDOWN, RDBL, LDBL}, {0, 0, 0, 0}},
        {"double_click_does_not_clear", {RDOWN, LDBL, LDOWN}, {0, 0, 1}},
        {"moves_wheel_middle_ignored", {RDOWN, MOVE, WHEEL, MDOWN, MUP, XDOWN, LDOWN}, {0, 0, 0, 0, 0, 0, 1}},
        {"non_client_presses_ignored", {NCRDOWN, NCLDOWN, RDOWN, NCLDOWN}, {0, 0, 0, 0}},
        {"same_button_twice_is_no_chord", {LDOWN, LDOWN, RUP, RDOWN, RDOWN}, {0, 0, 0, 0, 0}},
    };
    return sequences;
}
