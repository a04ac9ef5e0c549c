#include "chordhook/chord_state.h"

#include <gtest/gtest.h>

#include "chord_sequences.h"

TEST(ChordState, SequencesGiveExactlyTheExpectedChords)
{
    for (const ChordSequence& sequence : chord_sequences()) {
        ChordFlags flags = {0, 0};
        for (size_t i = 0; i < sequence.messages.size(); ++i) {
            EXPECT_EQ(chord_step(flags, sequence.messages[i]), sequence.chords[i])
                << sequence.name << ", message " << i;
        }
    }
}

TEST(ChordState, FlagsAreClearAfterAChordAndAfterAnyRelease)
{
    ChordFlags flags = {0, 0};
    chord_step(flags, RDOWN);
    ASSERT_EQ(chord_step(flags, LDOWN), 1);
    EXPECT_EQ(flags.left_down_seen, 0);
    EXPECT_EQ(flags.right_down_seen, 0);

    chord_step(flags, LDOWN);
    EXPECT_EQ(flags.left_down_seen, 1);
    chord_step(flags, RUP);
    EXPECT_EQ(flags.left_down_seen, 0);
    EXPECT_EQ(flags.right_down_seen, 0);
}

TEST(ChordState, OnlyAFlagOfExactlyOneCounts)
{
    // A flag holding anything but 1 is not a press seen.
    ChordFlags flags = {2, 0};
    EXPECT_EQ(chord_step(flags, RDOWN), 0);
    EXPECT_EQ(flags.right_down_seen, 1);
}
