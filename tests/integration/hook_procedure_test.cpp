// The real hook procedure, called directly with mouse message identifiers; the chord
// message is observed in the target window's queue.
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "chord_sequences.h"
#include "chordhook/chordhook.h"
#include "chords/chord_settings.h"
#include "chords/in_process_rules.h"
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

void press_right_button(DWORD flag)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flag;
    SendInput(1, &input, sizeof input);
    Sleep(20);
}

// The in-process hook of old Windows runs inside the program under the pointer: it decides
// there, from the rules the launcher published, and never sends anyone a question.
TEST(InProcessHook, DecidesFromThePublishedRulesWithoutAskingAnyone)
{
    static int questions = 0;
    constexpr UINT QUESTION = WM_APP + 0x706;
    TestWindow target("Chord target");
    SetWindowLongPtrA(target.handle, GWLP_WNDPROC,
                      reinterpret_cast<LONG_PTR>(+[](HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
                          questions += message == QUESTION ? 1 : 0;
                          return DefWindowProcA(window, message, wparam, lparam);
                      }));
    ASSERT_EQ(_install_module(target.handle), 1);
    ASSERT_EQ(_remove_module(), 1);
    _ask_module(QUESTION);

    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, sizeof module);
    std::string shouted = std::string(module).substr(std::string(module).rfind('\\') + 1);
    for (char& c : shouted) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    TestWindow covering("A full-screen program", WS_POPUP | WS_VISIBLE);
    SetWindowPos(covering.handle, HWND_TOP, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), 0);

    struct {
        const char* why;
        int paused;
        int full_screen_passes;
        const char* listed;
        bool full_screen_in_front;
        bool right_down;
        bool taken;
    } cases[] = {
        {"nothing keeps it", 0, 1, "mstsc.exe", false, true, true},
        {"paused", 1, 0, "", false, true, false},
        {"this program listed, in other letters", 0, 0, shouted.c_str(), false, true, false},
        {"a full-screen program in front", 0, 1, "", true, true, false},
        {"a full-screen program in front, the switch off", 0, 0, "", true, true, true},
        {"the right button's release went unseen", 0, 0, "", false, false, false},
    };
    MOUSEHOOKSTRUCT event = {};
    HOOKPROC procedure = chordhook_procedure();
    for (const auto& c : cases) {
        ChordSettings settings = {};
        default_chord_settings(settings);
        settings.paused = c.paused;
        settings.full_screen_passes = c.full_screen_passes;
        add_excluded_program(settings, c.listed);
        ASSERT_EQ(publish_in_process_rules(settings, 0), 1) << c.why;
        SetForegroundWindow(c.full_screen_in_front ? covering.handle : target.handle);
        if (c.right_down) {
            press_right_button(MOUSEEVENTF_RIGHTDOWN);
        }
        procedure(HC_ACTION, WM_LBUTTONUP, reinterpret_cast<LPARAM>(&event));
        procedure(HC_ACTION, WM_RBUTTONDOWN, reinterpret_cast<LPARAM>(&event));
        LRESULT swallowed = procedure(HC_ACTION, WM_LBUTTONDOWN, reinterpret_cast<LPARAM>(&event));
        if (c.right_down) {
            press_right_button(MOUSEEVENTF_RIGHTUP);
        }
        EXPECT_EQ(swallowed, c.taken ? 1 : 0) << c.why;
        EXPECT_EQ(target.take_posted(WM_CHORD_ACTIVATE).size(), c.taken ? 1u : 0u) << c.why;
        EXPECT_EQ(questions, 0) << c.why;
    }
}

} // namespace
