// The chord recogniser: which mouse identifiers count as presses and releases, and when
// a press completes a chord. Free of platform calls so that it can be tested natively.
#pragma once

#include <cstdint>

constexpr uint32_t CHORD_LBUTTONDOWN = 0x201;
constexpr uint32_t CHORD_LBUTTONUP = 0x202;
constexpr uint32_t CHORD_RBUTTONDOWN = 0x204;
constexpr uint32_t CHORD_RBUTTONUP = 0x205;

struct ChordFlags {
    int32_t left_down_seen;
    int32_t right_down_seen;
};

// Feeds one mouse message identifier to the flags. Returns 1 when it is the press that
// completes a chord (the flags are then cleared), 0 otherwise.
inline int chord_step(ChordFlags& flags, uint32_t message)
{
    switch (message) {
    case CHORD_RBUTTONDOWN:
        if (flags.left_down_seen == 1) {
            flags = ChordFlags{0, 0};
            return 1;
        }
        flags.right_down_seen = 1;
        return 0;
    case CHORD_LBUTTONDOWN:
        if (flags.right_down_seen == 1) {
            flags = ChordFlags{0, 0};
            return 1;
        }
        flags.left_down_seen = 1;
        return 0;
    case CHORD_LBUTTONUP:
    case CHORD_RBUTTONUP:
        flags = ChordFlags{0, 0};
        return 0;
    default:
        return 0;
    }
}
