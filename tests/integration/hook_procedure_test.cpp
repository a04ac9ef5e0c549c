// The real hook procedure, called directly with mouse message identifiers; the chord
// message is observed in the target window's queue.
#include <gtest/gtest.h>

#include "chord_sequences.h"
#include "chordhook/chordhook.h"
#include "test_window.h"

namespace {

class HookProcedure : public ::testing::Test {
  protected:
    TestWindow target{"Chord target"};
    MSLLHOOKSTRUCT event = {};

    void SetUp() override
    {
        // Installing is the only way to name the target; the hook itself is removed at
        // once, so only the direct calls below reach the procedure.
        ASSERT_EQ(_install_module_vista(target.handle), 1);
        ASSERT_EQ(_remove_module(), 1);
        feed(0, LUP); // clears whatever flags an earlier test left
        target.take_posted(WM_CHORD_ACTIVATE);
    }

    LRESULT feed(int code, uint32_t message, bool with_data = true)
    {
        return chordhook_procedure()(code, message, with_data ? reinterpret_cast<LPARAM>(&event) : 0);
    }
};

TEST_F(HookProcedure, SequencesPostExactlyOneMessagePerChordAndSwallowTheChordPress)
{
    for (const ChordSequence& sequence : chord_sequences()) {
        feed(0, LUP);
        for (size_t i = 0; i < sequence.messages.size(); ++i) {
            LRESULT result = feed(HC_ACTION, sequence.messages[i]);
            std::vector<MSG> posted = target.take_posted(WM_CHORD_ACTIVATE);
            SCOPED_TRACE(std::string(sequence.name) + ", message " + std::to_string(i));
            if (sequence.chords[i] == 1) {
                EXPECT_EQ(result, 1);
                ASSERT_EQ(posted.size(), 1u);
                EXPECT_EQ(posted[0].wParam, 0u);
                EXPECT_EQ(posted[0].lParam, 0);
            } else {
                EXPECT_EQ(result, 0);
                EXPECT_TRUE(posted.empty());
            }
        }
    }
}

TEST_F(HookProcedure, ChordIsPostedSoTheHookNeverWaitsForTheLauncher)
{
    feed(HC_ACTION, RDOWN);
    ASSERT_EQ(feed(HC_ACTION, LDOWN), 1);
    // Sent messages would have been handled already and never appear in the queue.
    EXPECT_EQ(target.take_posted(WM_CHORD_ACTIVATE).size(), 1u);
}

TEST_F(HookProcedure, NegativeCodeOrMissingDataIsPassedOnUnseen)
{
    feed(-1, RDOWN);
    EXPECT_EQ(feed(HC_ACTION, LDOWN), 0);
    feed(HC_ACTION, LUP);

    feed(HC_ACTION, RDOWN, false);
    EXPECT_EQ(feed(HC_ACTION, LDOWN), 0);
    feed(HC_ACTION, LUP);

    // A release with a negative code does not clear the flags either.
    feed(HC_ACTION, RDOWN);
    feed(-1, RUP);
    EXPECT_EQ(feed(HC_ACTION, LDOWN), 1);
    EXPECT_EQ(target.take_posted(WM_CHORD_ACTIVATE).size(), 1u);
}

TEST_F(HookProcedure, EveryNonNegativeCodeCounts)
{
    feed(HC_NOREMOVE, RDOWN);
    EXPECT_EQ(feed(HC_NOREMOVE, LDOWN), 1);
    feed(7, LDOWN);
    EXPECT_EQ(feed(HC_ACTION, RDOWN), 1);
    EXPECT_EQ(target.take_posted(WM_CHORD_ACTIVATE).size(), 2u);
}

TEST(HookLibrary, RemoveWithNoHookInstalledReturnsZero)
{
    EXPECT_EQ(_remove_module(), 0);
    TestWindow target("Chord target");
    ASSERT_EQ(_install_module(target.handle), 1);
    EXPECT_EQ(_remove_module(), 1);
    EXPECT_EQ(_remove_module(), 0);
}

} // namespace
