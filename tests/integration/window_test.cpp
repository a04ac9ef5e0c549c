// The real launcher window, created from its template in this process: its layout, the
// start-up end, activation by the chord message, hiding, and keeping the hook installed.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "chordhook/chordhook.h"
#include "chords/hook_thread.h"
#include "launcher_fixture.h"
#include "panel_points.h"
#include "testing.h"

#include <shellapi.h>

namespace {

std::string class_of(HWND control)
{
    char name[64] = {};
    GetClassNameA(control, name, sizeof name);
    return name;
}

std::string text_of(HWND window, int id)
{
    char text[256] = {};
    GetDlgItemTextA(window, id, text, sizeof text);
    return text;
}

class LauncherWindow : public LauncherFixture {
  protected:
    void SetUp() override
    {
        LauncherFixture::SetUp();
        seed_quiet_options();
        open_window();
    }

    bool topmost() const { return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }
};

TEST_F(LauncherWindow, TemplateHasItsCaptionStylesAndEveryPanelControl)
{
    char caption[64] = {};
    GetWindowTextA(window, caption, sizeof caption);
    EXPECT_STREQ(caption, "Vantrel - Brasmoor");

    LONG style = GetWindowLongA(window, GWL_STYLE);
    LONG ex_style = GetWindowLongA(window, GWL_EXSTYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_TRUE(ex_style & WS_EX_APPWINDOW);
    EXPECT_TRUE(ex_style & WS_EX_ACCEPTFILES);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(window, IDC_SPLASH)));
    // The start-up picture is stored compactly; it must still load whole, with its colours.
    HBITMAP splash = reinterpret_cast<HBITMAP>(SendDlgItemMessageA(window, IDC_SPLASH, STM_GETIMAGE, IMAGE_BITMAP, 0));
    ASSERT_NE(splash, nullptr);
    BITMAP picture = {};
    ASSERT_TRUE(GetObjectA(splash, sizeof picture, &picture));
    EXPECT_EQ(picture.bmWidth, 455);
    EXPECT_EQ(picture.bmHeight, 462);
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(memory, splash);
    COLORREF lit_cell = GetPixel(memory, 178, 70), background = GetPixel(memory, 10, 10);
    SelectObject(memory, old);
    DeleteDC(memory);
    EXPECT_GE(GetRValue(lit_cell), 245);
    EXPECT_NEAR(GetGValue(lit_cell), 187, 12);
    EXPECT_LE(GetBValue(lit_cell), 80);
    EXPECT_GE(GetRValue(background), 245);
    EXPECT_GE(GetBValue(background), 245);

    HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_WINDOW));
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_BIG, 0)), icon);
    HICON small_icon =
        static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_WINDOW), IMAGE_ICON,
                                      GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_SMALL, 0)), small_icon);

    for (int n = 1; n <= PANEL_COUNT; ++n) {
        const PanelControls& panel = panel_controls[n - 1];
        SCOPED_TRACE("panel " + std::to_string(n));
        HWND group = GetDlgItem(window, panel.group);
        ASSERT_NE(group, nullptr);
        EXPECT_EQ(class_of(group), "Button");
        EXPECT_EQ(GetWindowLongA(group, GWL_STYLE) & BS_TYPEMASK, BS_GROUPBOX);
        EXPECT_EQ(text_of(window, panel.group), std::to_string(n));
        EXPECT_FALSE(IsWindowEnabled(group));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, panel.marker)));
        EXPECT_TRUE(GetWindowLongA(GetDlgItem(window, panel.marker), GWL_EXSTYLE) & WS_EX_STATICEDGE);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, panel.name)));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, panel.link)));
        HWND icon_control = GetDlgItem(window, panel.icon);
        ASSERT_NE(icon_control, nullptr);
        EXPECT_TRUE(IsWindowEnabled(icon_control));
        EXPECT_EQ(GetWindowLongA(icon_control, GWL_STYLE) & SS_TYPEMASK, SS_ICON);
    }
    for (int id : {IDC_SECTION_ICON, IDC_SHIFT_LABEL, IDC_STATUS}) {
        EXPECT_NE(GetDlgItem(window, id), nullptr) << id;
    }
    EXPECT_EQ(text_of(window, IDC_SHIFT_LABEL), " ");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, IDC_SHIFT_LABEL)));
}

TEST_F(LauncherWindow, ChordBeforeStartupEndsDoesNothingButStillAnswersOne)
{
    EXPECT_EQ(SendMessageA(window, WM_CHORD_ACTIVATE, 0, 0), 1);
    EXPECT_EQ(window_shown, 0);
    EXPECT_EQ(startup_complete, 0);
}

TEST_F(LauncherWindow, StartupEndHidesPictureAndWindowOnce)
{
    end_startup();
    EXPECT_EQ(startup_complete, 1);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(window, IDC_SPLASH)));
    // The start-up timer is one-shot: it was killed at its first tick.
    EXPECT_FALSE(KillTimer(window, TIMER_STARTUP));
}

TEST_F(LauncherWindow, ChordShowsTheWindowTopmostWithThePointerOnTheCentreCell)
{
    end_startup();
    EXPECT_EQ(SendMessageA(window, WM_CHORD_ACTIVATE, 0, 0), 1);
    EXPECT_EQ(window_shown, 1);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_FALSE(IsIconic(window));
    EXPECT_TRUE(topmost());

    RECT rect;
    GetWindowRect(window, &rect);
    pump(100); // the pointer goes onto the centre cell right after the window is up
    POINT pointer;
    GetCursorPos(&pointer);
    int offset_x = display_class == 1 ? 175 : 205;
    int offset_y = display_class == 1 ? 172 : 212;
    EXPECT_EQ(pointer.x, rect.left + offset_x);
    EXPECT_EQ(pointer.y, rect.top + offset_y);

    // A chord while shown is ignored and still answered with 1.
    EXPECT_EQ(SendMessageA(window, WM_CHORD_ACTIVATE, 0, 0), 1);
    EXPECT_EQ(window_shown, 1);
}

TEST_F(LauncherWindow, CloseAndMinimiseOnlyHide)
{
    end_startup();
    for (WPARAM command : {SC_CLOSE, SC_MINIMIZE, SC_CLOSE | 0x2}) {
        SendMessageA(window, WM_CHORD_ACTIVATE, 0, 0);
        ASSERT_TRUE(IsWindowVisible(window));
        SendMessageA(window, WM_SYSCOMMAND, command, 0);
        EXPECT_FALSE(IsWindowVisible(window)) << command;
        EXPECT_TRUE(IsWindow(window));
        EXPECT_EQ(window_shown, 0);
    }
}

TEST_F(LauncherWindow, OnlyOneSkipsTheRestoreAndMinimiseSteps)
{
    end_startup();
    for (int32_t skip : {0, 1, 2, 255, -1}) {
        options.skip_restore_minimize = skip;
        ShowWindow(window, SW_RESTORE);
        ShowWindow(window, SW_HIDE);
        SendMessageA(window, WM_CHORD_ACTIVATE, 0, 0);
        ASSERT_EQ(window_shown, 1) << skip;
        SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_EQ(IsIconic(window) != FALSE, skip != 1) << "the window is minimised before it hides: " << skip;
    }
}

TEST_F(LauncherWindow, HideDisablesEveryPanelAndClearsTheStatusLine)
{
    end_startup();
    SendMessageA(window, WM_CHORD_ACTIVATE, 0, 0);
    // The pointer over panel 1, then over panel 2: one panel lit, its name in the status line.
    send_mouse(WM_MOUSEMOVE, PANEL_POINTS[1]);
    send_mouse(WM_MOUSEMOVE, PANEL_POINTS[2]);
    ASSERT_TRUE(IsWindowEnabled(GetDlgItem(window, panel_controls[1].name)));
    ASSERT_FALSE(IsWindowEnabled(GetDlgItem(window, panel_controls[0].name)));
    SetDlgItemTextA(window, IDC_STATUS, "Notepad");
    hide_launcher_window(window);
    for (const PanelControls& panel : panel_controls) {
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, panel.group)));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, panel.name)));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, panel.link)));
    }
    EXPECT_EQ(text_of(window, IDC_STATUS), "");
}

// How many hooks of this launcher are live: each calls the procedure once for a move of
// the pointer, so the procedure's count grows by one per live hook.
int live_hooks()
{
    // Two moves that leave the pointer elsewhere (each call goes the other way): the check
    // counts only mouse input that moved or pressed something. (Under Wine on a bare display,
    // relative moves reach the hook but leave the pointer where it was.)
    static int way = 1;
    way = -way;
    LONG before = _seen_module();
    INPUT move = {};
    move.type = INPUT_MOUSE;
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    move.mi.dx = 30000 + 1000 * way;
    move.mi.dy = 30000;
    SendInput(1, &move, sizeof move);
    move.mi.dy = 31000;
    SendInput(1, &move, sizeof move);
    LauncherFixture::pump(100);
    return static_cast<int>(_seen_module() - before) / 2;
}

void send_buttons(std::initializer_list<DWORD> flags)
{
    for (DWORD flag : flags) {
        INPUT input = {};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = flag;
        SendInput(1, &input, sizeof input);
    }
}

// Injects moves and a chord from a thread of its own, and notes when it was done.
struct Injection {
    LONG seen_after;
    DWORD done_tick;
};

DWORD WINAPI inject_moves_and_a_chord(void* parameter)
{
    auto* injection = static_cast<Injection*>(parameter);
    for (int i = 0; i < 10; ++i) {
        INPUT move = {};
        move.type = INPUT_MOUSE;
        move.mi.dwFlags = MOUSEEVENTF_MOVE;
        move.mi.dx = i % 2 == 0 ? 3 : -2;
        SendInput(1, &move, sizeof move);
    }
    send_buttons({MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, MOUSEEVENTF_RIGHTUP});
    injection->seen_after = _seen_module();
    injection->done_tick = GetTickCount();
    return 0;
}

TEST_F(LauncherWindow, ExactlyOneHookAfterEverySessionEventAndNoneWhileALaunchHoldsItRemoved)
{
    struct Step {
        const char* name;
        void (*act)(HWND window);
        int live;
    };
    const Step steps[] = {
        {"started", [](HWND) {}, 1},
        {"installed again", [](HWND) { install_chord_hook(); }, 1},
        {"resumed", [](HWND w) { SendMessageA(w, WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0); }, 1},
        {"unlocked", [](HWND w) { SendMessageA(w, WM_WTSSESSION_CHANGE, WTS_SESSION_UNLOCK, 0); }, 1},
        {"suspended and locked",
         [](HWND w) {
             SendMessageA(w, WM_POWERBROADCAST, PBT_APMSUSPEND, 0);
             SendMessageA(w, WM_WTSSESSION_CHANGE, WTS_SESSION_LOCK, 0);
         },
         1},
        {"checked while healthy", [](HWND w) { SendMessageA(w, WM_TIMER, TIMER_HOOK_CHECK, 0); }, 1},
        {"asked to end the session", [](HWND w) { SendMessageA(w, WM_QUERYENDSESSION, 0, 0); }, 0},
        {"log-off cancelled", [](HWND w) { SendMessageA(w, WM_ENDSESSION, FALSE, 0); }, 1},
        {"a launch removes it",
         [](HWND) {
             remove_chord_hook();
             launch_allowed = 0;
         },
         0},
        {"resumed, unlocked, log-off cancelled and checked during the launch",
         [](HWND w) {
             SendMessageA(w, WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, 0);
             SendMessageA(w, WM_WTSSESSION_CHANGE, WTS_SESSION_UNLOCK, 0);
             SendMessageA(w, WM_ENDSESSION, FALSE, 0);
             SendMessageA(w, WM_TIMER, TIMER_HOOK_CHECK, 0);
         },
         0},
        {"the launch ends",
         [](HWND) {
             launch_allowed = 1;
             install_chord_hook();
         },
         1},
        {"resumed after the launch", [](HWND w) { SendMessageA(w, WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, 0); }, 1},
    };
    for (const Step& step : steps) {
        step.act(window);
        EXPECT_EQ(live_hooks(), step.live) << step.name;
        EXPECT_EQ(chord_hook_installed(), step.live == 1) << step.name;
    }
}

// Moves the pointer without pumping this thread's messages: the check's own timer and the
// raw input it waits for cannot run between the move and the test's tick.
void move_pointer_quietly(int x)
{
    INPUT move = {};
    move.type = INPUT_MOUSE;
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    move.mi.dx = x;
    move.mi.dy = 20000;
    SendInput(1, &move, sizeof move);
    Sleep(50);
}

TEST_F(LauncherWindow, TheCheckPutsBackOnlyAHookThatMissedInput)
{
    end_startup();
    ASSERT_EQ(live_hooks(), 1);
    const unsigned installs = chord_hook_installs();
    struct Step {
        const char* name;
        bool drop_hook;
        bool move;
        unsigned installs_after;
    } steps[] = {
        {"a live hook that saw the move", false, true, installs},
        {"no input at all", false, false, installs},
        {"a dropped hook and no input", true, false, installs},
        {"a dropped hook that missed the move", false, true, installs + 1},
        {"the healed hook sees the next move", false, true, installs + 1},
    };
    int x = 10000;
    for (const Step& step : steps) {
        if (step.drop_hook) {
            ASSERT_EQ(_remove_module(), 1) << step.name;
        }
        if (step.move) {
            move_pointer_quietly(x += 3000);
        }
        SendMessageA(window, WM_TIMER, TIMER_HOOK_CHECK, 0);
        EXPECT_EQ(chord_hook_installs(), step.installs_after) << step.name;
    }
    EXPECT_EQ(live_hooks(), 1);
}

// The hook has a thread of its own: while the window's thread is busy for a second, every
// mouse event still passes the hook at once, and a chord made meanwhile is handled after.
TEST_F(LauncherWindow, TheHookKeepsCountingWhileTheWindowIsBusyAndItsChordWaits)
{
    end_startup();
    ASSERT_NE(hook_thread_id(), 0u);
    EXPECT_NE(hook_thread_id(), GetCurrentThreadId());
    LONG before = _seen_module();
    Injection injection = {};
    HANDLE injector = CreateThread(nullptr, 0, inject_moves_and_a_chord, &injection, 0, nullptr);
    ASSERT_NE(injector, nullptr);
    Sleep(1000); // the window's thread is busy
    DWORD woke = GetTickCount();
    ASSERT_EQ(WaitForSingleObject(injector, 10000), WAIT_OBJECT_0);
    CloseHandle(injector);
    EXPECT_EQ(window_shown, 0);
    EXPECT_LT(static_cast<int>(injection.done_tick - woke), 0) << "the input waited for the busy window";
    EXPECT_GE(injection.seen_after - before, 14);
    EXPECT_TRUE(pump_until([] { return window_shown == 1; }, 5000)) << "the chord made meanwhile was lost";
}

// The check judges the mouse hook by mouse input alone: a user who only types for ten seconds
// never makes the hook look dead.
TEST_F(LauncherWindow, TenSecondsOfTypingNeverReinstallTheHook)
{
    end_startup();
    unsigned installs = chord_hook_installs();
    DWORD start = GetTickCount();
    while (GetTickCount() - start < 10000) {
        INPUT keys[2] = {};
        keys[0].type = keys[1].type = INPUT_KEYBOARD;
        keys[0].ki.wVk = keys[1].ki.wVk = VK_F13;
        keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, keys, sizeof keys[0]);
        pump(100);
    }
    EXPECT_EQ(chord_hook_installs(), installs);
}

// A press completes a chord only while the other button is really down: a press whose
// partner's release the hook never saw (on an elevation prompt's secure desktop) is no chord.
TEST_F(LauncherWindow, APressCompletesAChordOnlyWhileTheOtherButtonIsReallyDown)
{
    end_startup();
    HOOKPROC procedure = chordhook_procedure();
    ASSERT_NE(procedure, nullptr);
    MSLLHOOKSTRUCT event = {};
    struct {
        const char* name;
        bool right_really_down;
        LRESULT swallowed;
        int shown;
    } cases[] = {
        {"the right button's release went unseen", false, 0, 0},
        {"the right button is held", true, 1, 1},
    };
    for (const auto& c : cases) {
        SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        pump(50);
        if (c.right_really_down) {
            send_buttons({MOUSEEVENTF_RIGHTDOWN});
        } else {
            procedure(HC_ACTION, WM_RBUTTONDOWN, reinterpret_cast<LPARAM>(&event));
        }
        EXPECT_EQ(procedure(HC_ACTION, WM_LBUTTONDOWN, reinterpret_cast<LPARAM>(&event)), c.swallowed) << c.name;
        if (c.right_really_down) {
            send_buttons({MOUSEEVENTF_RIGHTUP});
        }
        pump(300);
        EXPECT_EQ(window_shown, c.shown) << c.name;
    }
}

// Removes a folder and everything in it, as a user deleting it in the shell would.
void remove_folder(const std::string& folder)
{
    std::string from = folder + '\0';
    SHFILEOPSTRUCTA operation = {};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    SHFileOperationA(&operation);
}

template <typename Record> FileBytes bytes_of(const Record& record)
{
    const auto* begin = reinterpret_cast<const unsigned char*>(&record);
    return FileBytes(begin, begin + sizeof record);
}

TEST_F(LauncherWindow, ActivationWritesBackADataFolderRemovedWhileRunning)
{
    end_startup();
    put_item(panel_sets[4], 3, "C:\\windows");
    connections_shift.links[1][2] = 5;
    options.window_x = 123;
    remove_folder(folder);
    ASSERT_FALSE(file_exists(folder));

    EXPECT_EQ(SendMessageA(window, WM_CHORD_ACTIVATE, 0, 0), 1);
    EXPECT_TRUE(IsWindowVisible(window));
    ASSERT_TRUE(file_exists(folder));
    EXPECT_TRUE(file_exists(shortcuts_folder));
    EXPECT_TRUE(file_exists(text_folder));
    for (int index = 0; index < PANEL_SET_COUNT; ++index) {
        EXPECT_EQ(read_bytes(panel_set_path(index)), bytes_of(panel_sets[index])) << panel_set_path(index);
    }
    EXPECT_EQ(read_bytes(path("Launcher.con")), bytes_of(connections));
    EXPECT_EQ(read_bytes(path("Launcher.con_shift")), bytes_of(connections_shift));
    EXPECT_EQ(read_bytes(path("Launcher.opt")), bytes_of(options));

    // A folder that is there is left as it is: a file removed from it is not written back.
    hide_launcher_window(window);
    ASSERT_TRUE(DeleteFileA(path("Launcher.lft").c_str()));
    SendMessageA(window, WM_CHORD_ACTIVATE, 0, 0);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_FALSE(file_exists(path("Launcher.lft")));
}

} // namespace
