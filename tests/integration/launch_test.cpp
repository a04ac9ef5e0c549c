// The launch pipeline in the test process: shell refusals in words, and the chain rules.
#include <windows.h>

#include <mmsystem.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "dialog_answerer.h"
#include "launch/launch_chain.h"
#include "launch/launch_pipeline.h"
#include "options/sound.h"
#include "testing.h"
#include "options/sound_player.h"
#include "launcher_fixture.h"
#include "panel_points.h"

namespace {

class Launch : public LauncherFixture {
  protected:
    DialogAnswerer answerer;

    void SetUp() override
    {
        LauncherFixture::SetUp();
        DialogAnswerer::error_texts().clear();
        seed_quiet_options();
        open_and_activate();
        display_class = 1;
    }

    void TearDown() override
    {
        EXPECT_TRUE(answerer.all_answered()) << "an expected dialog never opened";
        LauncherFixture::TearDown();
    }
};

TEST_F(Launch, AMissingProgramIsReportedInWordsAndTheWindowStays)
{
    put_item(*current_set, 1, "C:\\nowhere\\gone.exe");
    answerer.expect("Error Message", DialogAnswerer::acknowledge_error());
    send_mouse(WM_LBUTTONUP, PANEL_POINTS[1]);
    ASSERT_EQ(DialogAnswerer::error_texts().size(), 1u);
    EXPECT_EQ(DialogAnswerer::error_texts()[0], "The specified file was not found.");
    EXPECT_EQ(window_shown, 1);
    EXPECT_EQ(launch_allowed, 1);
    wait_for_hook_thread();
    EXPECT_EQ(_remove_module(), 1) << "the hook is back after the launch";
}

TEST_F(Launch, AMissingTextFileIsReportedAndTheWindowHidesAllTheSame)
{
    put_item(*current_set, 2, "@TGone@1C:\\nowhere\\gone.txt");
    answerer.expect("Error Message", DialogAnswerer::acknowledge_error());
    send_mouse(WM_LBUTTONUP, PANEL_POINTS[2]);
    ASSERT_EQ(DialogAnswerer::error_texts().size(), 1u);
    EXPECT_EQ(DialogAnswerer::error_texts()[0], "The internal text file contains text to be copied does not found.");
    EXPECT_EQ(window_shown, 0);
}

TEST_F(Launch, ReleasesOverTheCentreOrAnEmptyPanelLaunchNothing)
{
    send_mouse(WM_LBUTTONUP, CENTRE);
    send_mouse(WM_LBUTTONUP, PANEL_POINTS[1]);
    EXPECT_EQ(window_shown, 1);
    EXPECT_EQ(launched_panels[0], 0);
}

TEST_F(Launch, APanelWhoseOccupiedFlagIsNeitherZeroNorOneIsEmptyToViewHoverAndLaunch)
{
    std::string file = std::string(text_folder) + "\\2007030310040507.txt";
    write_bytes(file, "text", 4);
    const std::string item = "@TNotes@1" + file;
    for (int32_t flag : {2, 255, -1}) {
        put_item(*current_set, 1, item);
        current_set->occupied[0] = flag;
        send_mouse(WM_LBUTTONUP, PANEL_POINTS[1]);
        EXPECT_EQ(window_shown, 1) << flag << ": nothing is launched";
        EXPECT_FALSE(was_launched(1)) << flag;

        hovered_panel = 0;
        reset_section(); // the full redraw of an activation
        EXPECT_EQ(text(IDC_PANEL1_NAME), "") << flag;
        send_mouse(WM_MOUSEMOVE, PANEL_POINTS[1]);
        EXPECT_EQ(text(IDC_STATUS), "") << flag;
        EXPECT_EQ(current_set->occupied[0], 0) << flag << ": the redraw empties it as any panel without a name";
    }
    // A chain stops at such a panel.
    put_item(*current_set, 2, item);
    put_item(*current_set, 1, item);
    current_set->occupied[0] = 2;
    set_linked_panel(2, 1);
    send_mouse(WM_LBUTTONUP, PANEL_POINTS[2]);
    EXPECT_TRUE(was_launched(2));
    EXPECT_FALSE(was_launched(1));
    DeleteFileA(file.c_str());
}

std::vector<std::string> played_sounds;

BOOL WINAPI record_sound(LPCSTR sound, HMODULE, DWORD)
{
    played_sounds.push_back(sound);
    return TRUE;
}

TEST_F(Launch, AChainOfThreePanelsPlaysTheLaunchingSoundThreeTimes)
{
    options.use_sound = 1;
    options.sound_theme = SOUND_THEME_CLOCK;
    resolve_sound_files();
    played_sounds.clear();
    sound_player = record_sound;
    for (int panel = 1; panel <= 3; ++panel) {
        put_item(*current_set, panel, "@TGone@1C:\\nowhere\\" + std::to_string(panel) + ".txt");
        answerer.expect("Error Message", DialogAnswerer::acknowledge_error());
    }
    set_linked_panel(1, 2);
    set_linked_panel(2, 3);
    set_linked_panel(3, 1);
    send_mouse(WM_LBUTTONUP, PANEL_POINTS[1]);
    sound_player = PlaySoundA;
    ASSERT_EQ(played_sounds.size(), 3u);
    for (const std::string& sound : played_sounds) {
        EXPECT_EQ(sound, std::string(install_folder) + "\\clock-launching.wav");
    }
    EXPECT_EQ(DialogAnswerer::error_texts().size(), 3u);
}

// A copy of the launch probe in the temporary folder: a real program for a panel to start.
std::string copy_of_probe()
{
    std::string probe = test_program_folder() + "\\launch_probe.exe";
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    std::string folder = std::string(temp) + "vantrel-started";
    CreateDirectoryA(folder.c_str(), nullptr);
    std::string copy = folder + "\\started.exe";
    DeleteFileA((folder + "\\started.log").c_str());
    CopyFileA(probe.c_str(), copy.c_str(), FALSE);
    return copy;
}

// How many processes run the program of this name: a started console program brings a
// console host of its own, which can take the foreground while it comes and goes.
int processes_named(const char* name)
{
    int count = 0;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
        count += lstrcmpiA(entry.szExeFile, name) == 0 ? 1 : 0;
    }
    CloseHandle(snapshot);
    return count;
}

TEST_F(Launch, AfterAStartTheWindowStaysAsItIsUntilTheProgramTakesTheForegroundOrTheWaitEnds)
{
    const int console_hosts = processes_named("conhost.exe");
    HWND other = CreateWindowExA(0, "STATIC", "Another program", WS_POPUP | WS_VISIBLE, 700, 500, 100, 100, nullptr,
                                 nullptr, nullptr, nullptr);
    struct Case {
        const char* meanwhile;
        void (*act)(HWND launcher, HWND other);
        bool hidden_at_once;
        bool shown_after_wait;
    } cases[] = {
        {"nothing", [](HWND, HWND) {}, false, false},
        {"another window takes the foreground", [](HWND, HWND other) { SetForegroundWindow(other); }, true, false},
        {"a key press", [](HWND launcher, HWND) { SendMessageA(launcher, WM_KEYDOWN, 'A', 0); }, true, false},
        {"a chord", [](HWND launcher, HWND) { SendMessageA(launcher, WM_CHORD_ACTIVATE, 0, 0); }, false, true},
    };
    const std::string program = copy_of_probe();
    put_item(*current_set, 1, program);
    reset_section(); // the full redraw of an activation
    const std::string name = text(IDC_PANEL1_NAME);
    for (const Case& c : cases) {
        if (window_shown == 0) {
            SendMessageA(window, WM_CHORD_ACTIVATE, 0, 0);
        }
        SetForegroundWindow(window);
        send_mouse(WM_MOUSEMOVE, PANEL_POINTS[1]);
        send_mouse(WM_LBUTTONUP, PANEL_POINTS[1]);
        EXPECT_EQ(window_shown, 1) << c.meanwhile << ": hidden before the program came up";
        // Pointer input changes nothing meanwhile: no other panel lit, no section stepped.
        send_mouse(WM_MOUSEMOVE, PANEL_POINTS[2]);
        send_mouse(WM_LBUTTONDOWN, CENTRE);
        EXPECT_EQ(hovered_panel, 1) << c.meanwhile;
        EXPECT_EQ(text(IDC_STATUS), name) << c.meanwhile;
        EXPECT_EQ(section, 0) << c.meanwhile;

        c.act(window, other);
        if (c.hidden_at_once) {
            EXPECT_EQ(window_shown, 0) << c.meanwhile;
        }
        pump(HIDE_AFTER_START_MS * 3);
        EXPECT_EQ(window_shown, c.shown_after_wait ? 1 : 0) << c.meanwhile;
        EXPECT_EQ(IsWindowVisible(window) != FALSE, c.shown_after_wait) << c.meanwhile;
        // The started program and its console are gone before the next case: neither may
        // take the foreground in the middle of it.
        EXPECT_TRUE(pump_until([&] {
            return processes_named("started.exe") == 0 && processes_named("conhost.exe") <= console_hosts;
        })) << c.meanwhile;
    }
    DestroyWindow(other);
    std::string log = program.substr(0, program.rfind('.')) + ".log";
    auto starts = [&] {
        FileBytes bytes = read_bytes(log);
        return std::count(bytes.begin(), bytes.end(), '\n');
    };
    EXPECT_TRUE(pump_until([&] { return starts() == 4; })) << "every release started the program";
}

TEST_F(Launch, ItemFolderKeepsItsTrailingBackslash)
{
    put_item(*current_set, 1, "C:\\Tools\\app.exe");
    put_item(*current_set, 2, "app.exe");
    char folder[1024] = {};
    get_item_folder(1, folder);
    EXPECT_STREQ(folder, "C:\\Tools\\");
    char none[1024] = {};
    get_item_folder(2, none);
    EXPECT_STREQ(none, "");
}

} // namespace
