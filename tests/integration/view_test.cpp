// The launcher window's panels and pointer handling with real messages: names, icons and
// labels drawn from seeded files, the redraw that empties unresolvable panels, hover,
// wheel, centre clicks, the middle button and Shift, placement and delayed activation.
#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>

#include "launcher_fixture.h"
#include "panel_points.h"

namespace {

std::string program_path()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    return path;
}

std::string display_name(const std::string& path)
{
    SHFILEINFOA info = {};
    SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, SHGFI_DISPLAYNAME);
    return info.szDisplayName;
}

class LauncherView : public LauncherFixture {
  protected:
    void activate_at_96_dpi()
    {
        open_and_activate();
        display_class = 1;
    }

    // A panel file whose panel 1 holds an e-mail item of the given name, the rest empty.
    void seed_panel_1(const char* file, const std::string& name) const
    {
        PanelSet set = empty_set();
        put_item(set, 1, "@E" + name + "@1x");
        seed(file, &set, sizeof set);
    }
};

TEST_F(LauncherView, PanelsShowNamesIconsAndConnectionLabels)
{
    PanelSet set = empty_set();
    put_item(set, 1, program_path());
    put_item(set, 2, "@EFriends@1ann@example.com");
    put_item(set, 3, "@TNotes@1C:\\nowhere\\never.txt");
    seed("Launcher.lst", &set, sizeof set);
    ConnectionTable links = {};
    links.links[0][0] = 8;
    links.links[0][1] = 9; // damaged: shown as no connection
    links.links[0][2] = 1;
    seed("Launcher.con", &links, sizeof links);
    seed_quiet_options();
    open_window();

    EXPECT_EQ(text(IDC_PANEL1_NAME), display_name(program_path()));
    EXPECT_NE(text(IDC_PANEL1_NAME), "");
    EXPECT_NE(icon_of(IDC_PANEL1_ICON), nullptr);
    EXPECT_EQ(text(IDC_PANEL2_NAME), "Friends");
    EXPECT_EQ(icon_of(IDC_PANEL2_ICON), resource_icon(IDI_EMAILER));
    // A text item shows its own name and icon whatever its file holds, even when it is gone.
    EXPECT_EQ(text(IDC_PANEL3_NAME), "Notes");
    EXPECT_EQ(icon_of(IDC_PANEL3_ICON), resource_icon(IDI_TEXT_CLIPBOARD));

    EXPECT_EQ(text(IDC_PANEL1_LINK), "8");
    EXPECT_EQ(text(IDC_PANEL2_LINK), " ");
    EXPECT_EQ(text(IDC_PANEL3_LINK), "1");
    EXPECT_EQ(text(IDC_PANEL4_LINK), " ");
    EXPECT_EQ(text(IDC_SHIFT_LABEL), " ");
    EXPECT_EQ(icon_of(IDC_SECTION_ICON), resource_icon(IDI_SECTION_CENTRE));
}

TEST_F(LauncherView, FullRedrawEmptiesUnresolvablePanelsAndRewritesBothConnectionFiles)
{
    PanelSet set = empty_set();
    put_item(set, 3, "C:\\gone\\removed-program.exe");
    put_item(set, 4, "@TNoSeparator");
    put_item(set, 5, program_path());
    seed("Launcher.lst", &set, sizeof set);
    ConnectionTable links = {};
    links.links[0][2] = 5; // panel 3 -> 5
    links.links[0][4] = 3; // panel 5 -> 3 stays, pointing at an empty panel
    seed("Launcher.con", &links, sizeof links);
    seed_quiet_options();
    open_window();

    EXPECT_EQ(panel_sets[0].occupied[2], 0);
    EXPECT_EQ(panel_sets[0].item_text[2][0], '\0');
    EXPECT_EQ(panel_sets[0].occupied[3], 0);
    EXPECT_EQ(panel_sets[0].occupied[4], 1);
    EXPECT_EQ(text(IDC_PANEL3_LINK), " ");
    EXPECT_EQ(text(IDC_PANEL5_LINK), "3");

    ConnectionTable expected = links;
    expected.links[0][2] = 0;
    FileBytes normal = read_bytes(path("Launcher.con"));
    ASSERT_EQ(normal.size(), sizeof expected);
    EXPECT_EQ(std::memcmp(normal.data(), &expected, sizeof expected), 0);
    EXPECT_EQ(read_bytes(path("Launcher.con_shift")), FileBytes(96, 0));
    // The panel file is not written by a redraw.
    FileBytes panels = read_bytes(path("Launcher.lst"));
    EXPECT_EQ(std::memcmp(panels.data(), &set, sizeof set), 0);
}

TEST_F(LauncherView, RedrawOfPanelsAlreadyEmptyWritesNothing)
{
    seed_quiet_options();
    open_and_activate();
    SendMessageA(window, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
    EXPECT_FALSE(file_exists(path("Launcher.con")));
    EXPECT_FALSE(file_exists(path("Launcher.con_shift")));
}

TEST_F(LauncherView, HoverLightsOnePanelAndShowsItsName)
{
    PanelSet set = empty_set();
    put_item(set, 3, "@EThree@1x@y");
    seed("Launcher.lst", &set, sizeof set);
    seed_quiet_options();
    activate_at_96_dpi();

    send_mouse(WM_MOUSEMOVE, PANEL_POINTS[3]);
    EXPECT_EQ(hovered_panel, 3);
    EXPECT_TRUE(enabled(IDC_PANEL3_GROUP));
    EXPECT_TRUE(enabled(IDC_PANEL3_NAME));
    EXPECT_TRUE(enabled(IDC_PANEL3_LINK));
    EXPECT_FALSE(enabled(IDC_PANEL1_GROUP));
    EXPECT_EQ(text(IDC_STATUS), "Three");

    // Moving within the panel changes nothing; into the gap clears everything.
    SetDlgItemTextA(window, IDC_STATUS, "marker");
    send_mouse(WM_MOUSEMOVE, PANEL_POINTS[3].x + 5, PANEL_POINTS[3].y + 5);
    EXPECT_EQ(text(IDC_STATUS), "marker");
    send_mouse(WM_MOUSEMOVE, GAP_3_5.x, GAP_3_5.y);
    EXPECT_EQ(hovered_panel, 0);
    EXPECT_FALSE(enabled(IDC_PANEL3_GROUP));
    EXPECT_EQ(text(IDC_STATUS), "");

    // An empty panel lights up too, with an empty status line.
    send_mouse(WM_MOUSEMOVE, PANEL_POINTS[1]);
    EXPECT_TRUE(enabled(IDC_PANEL1_GROUP));
    EXPECT_EQ(text(IDC_STATUS), "");
}

TEST_F(LauncherView, HoverAndStatusDescribeThePanelUnderThePointerAfterHidesAndSetChanges)
{
    seed_panel_1("Launcher.lst", "Centre");
    seed_panel_1("Launcher.lft", "Left");
    seed_panel_1("Launcher.lst_shift", "Shifted");
    seed_quiet_options();
    activate_at_96_dpi();
    auto point_at_panel_1 = [this] {
        POINT screen = {PANEL_POINTS[1].x, PANEL_POINTS[1].y};
        ClientToScreen(window, &screen);
        // Under Wine a placed pointer passes the hook's own thread first, and an earlier
        // placement still on its way there can land after this one: let both settle.
        pump(50);
        SetCursorPos(screen.x, screen.y);
        pump(50);
        send_mouse(WM_MOUSEMOVE, PANEL_POINTS[1]);
    };
    struct Step {
        const char* name;
        void (*act)(HWND window);
        int hovered;
        const char* status;
    } steps[] = {
        {"the wheel steps to the left section",
         [](HWND w) { SendMessageA(w, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0); }, 1, "Left"},
        {"the middle button shows the Shift set", [](HWND w) { SendMessageA(w, WM_MBUTTONDOWN, 0, 0); }, 1, "Shifted"},
        {"the window hides", [](HWND w) { hide_launcher_window(w); }, 0, ""},
    };
    for (const Step& step : steps) {
        point_at_panel_1();
        ASSERT_EQ(hovered_panel, 1) << step.name;
        step.act(window);
        EXPECT_EQ(hovered_panel, step.hovered) << step.name;
        EXPECT_EQ(text(IDC_STATUS), step.status) << step.name;
        EXPECT_EQ(enabled(IDC_PANEL1_GROUP), step.hovered == 1) << step.name;
    }
    // Shown again, the same panel lights up at the first move onto it.
    SendMessageA(window, WM_CHORD_ACTIVATE, 0, 0);
    send_mouse(WM_MOUSEMOVE, PANEL_POINTS[1]);
    EXPECT_EQ(hovered_panel, 1);
    EXPECT_EQ(text(IDC_STATUS), "Centre");
    EXPECT_TRUE(enabled(IDC_PANEL1_GROUP));
}

TEST_F(LauncherView, GeometryBAppliesToEveryOtherDisplay)
{
    PanelSet set = empty_set();
    put_item(set, 1, "@EOne@1x@y");
    seed("Launcher.lst", &set, sizeof set);
    seed_quiet_options();
    open_and_activate();
    display_class = 0;
    send_mouse(WM_MOUSEMOVE, 135, 126);
    EXPECT_EQ(hovered_panel, 1);
    EXPECT_EQ(text(IDC_STATUS), "One");
    send_mouse(WM_MOUSEMOVE, 270, 150);
    EXPECT_EQ(hovered_panel, 0);
    display_class = -1;
    send_mouse(WM_MOUSEMOVE, 130, 120);
    EXPECT_EQ(hovered_panel, 1);
}

TEST_F(LauncherView, WheelStepsOneSectionPerMessageInEitherDirection)
{
    seed_panel_1("Launcher.lst", "Centre");
    seed_panel_1("Launcher.lft", "Left");
    seed_panel_1("Launcher.rgt", "Right");
    seed_quiet_options();
    activate_at_96_dpi();

    wheel(-120);
    EXPECT_EQ(section, 1);
    EXPECT_EQ(text(IDC_PANEL1_NAME), "Left");
    EXPECT_EQ(icon_of(IDC_SECTION_ICON), resource_icon(IDI_SECTION_LEFT));
    wheel(-1);
    EXPECT_EQ(section, 2);
    EXPECT_EQ(text(IDC_PANEL1_NAME), "Right");
    EXPECT_EQ(icon_of(IDC_SECTION_ICON), resource_icon(IDI_SECTION_RIGHT));
    wheel(-120);
    EXPECT_EQ(section, 0);
    EXPECT_EQ(text(IDC_PANEL1_NAME), "Centre");
    wheel(120);
    EXPECT_EQ(section, 2);

    options.reverse_scroll = 1;
    wheel(120);
    EXPECT_EQ(section, 0);
    wheel(-120);
    EXPECT_EQ(section, 2);
}

TEST_F(LauncherView, CentreClicksStepSectionsAndPanelClicksDoNot)
{
    seed_quiet_options();
    activate_at_96_dpi();
    send_mouse(WM_LBUTTONDOWN, CENTRE);
    EXPECT_EQ(section, 1);
    send_mouse(WM_RBUTTONDOWN, CENTRE);
    EXPECT_EQ(section, 0);
    send_mouse(WM_RBUTTONDOWN, CENTRE);
    EXPECT_EQ(section, 2);
    send_mouse(WM_LBUTTONDOWN, PANEL_POINTS[2]);
    send_mouse(WM_RBUTTONDOWN, PANEL_POINTS[2]);
    EXPECT_EQ(section, 2);
    // A double click arrives as a press and a double-click press: two steps.
    section = 0;
    send_mouse(WM_LBUTTONDOWN, CENTRE);
    send_mouse(WM_LBUTTONDBLCLK, CENTRE);
    EXPECT_EQ(section, 2);
}

TEST_F(LauncherView, MiddleButtonAndShiftToggleTheSetAfterAPendingRelease)
{
    PanelSet shifted = empty_set();
    put_item(shifted, 1, "@EShifted@1x");
    seed("Launcher.lst_shift", &shifted, sizeof shifted);
    seed_quiet_options();
    activate_at_96_dpi();
    // As an activation with Shift held leaves it.
    shift_active = 1;
    shift_release_pending = 1;
    section = 2;

    send_mouse(WM_MBUTTONDOWN, PANEL_POINTS[1]);
    EXPECT_EQ(shift_active, 1);
    EXPECT_EQ(shift_release_pending, 0);
    EXPECT_EQ(section, 2);

    SendMessageA(window, WM_KEYUP, VK_SHIFT, 0);
    EXPECT_EQ(shift_active, 0);
    EXPECT_EQ(section, 0);
    EXPECT_EQ(text(IDC_SHIFT_LABEL), " ");

    send_mouse(WM_MBUTTONDOWN, PANEL_POINTS[1]);
    EXPECT_EQ(shift_active, 1);
    EXPECT_EQ(text(IDC_SHIFT_LABEL), "Shift");
    EXPECT_EQ(text(IDC_PANEL1_NAME), "Shifted");

    // Other keys do nothing, and Shift does nothing while the window is hidden.
    SendMessageA(window, WM_KEYUP, VK_CONTROL, 0);
    EXPECT_EQ(shift_active, 1);
    hide_launcher_window(window);
    SendMessageA(window, WM_KEYUP, VK_SHIFT, 0);
    EXPECT_EQ(shift_active, 1);
}

TEST_F(LauncherView, NothingReactsBeforeStartupEnds)
{
    seed_quiet_options();
    open_window();
    display_class = 1;
    send_mouse(WM_MOUSEMOVE, PANEL_POINTS[1]);
    send_mouse(WM_LBUTTONDOWN, CENTRE);
    wheel(-120);
    send_mouse(WM_MBUTTONDOWN, 1, 1);
    EXPECT_EQ(hovered_panel, 0);
    EXPECT_EQ(section, 0);
    EXPECT_EQ(shift_active, 0);
}

TEST_F(LauncherView, ActivationShowsTheCentreSectionOfTheSampledSet)
{
    seed_quiet_options();
    open_and_activate();
    wheel(-120);
    hide_launcher_window(window);
    SendMessageA(window, WM_CHORD_ACTIVATE, 0, 0);
    EXPECT_EQ(section, 0);
    EXPECT_EQ(shift_active, 0);
    EXPECT_EQ(icon_of(IDC_SECTION_ICON), resource_icon(IDI_SECTION_CENTRE));
}

TEST_F(LauncherView, DelayedActivationShowsOnceAfterTheLastChord)
{
    seed_quiet_options([](LauncherOptions& record) {
        record.delayed_launching = 1;
        record.launch_delay_ms = 1000;
    });
    open_window();
    end_startup();
    SendMessageA(window, WM_CHORD_ACTIVATE, 0, 0);
    EXPECT_EQ(activation_pending, 1);
    EXPECT_FALSE(IsWindowVisible(window));
    pump(300);
    ASSERT_FALSE(IsWindowVisible(window)) << "shown before its delay";
    SendMessageA(window, WM_CHORD_ACTIVATE, 0, 0); // restarts the delay
    DWORD second_chord = GetTickCount();
    ASSERT_TRUE(pump_until([this] { return IsWindowVisible(window) != FALSE; })) << "never shown";
    // Timers may come late on a loaded machine, never early.
    EXPECT_GE(GetTickCount() - second_chord, 950u) << "the second chord did not restart the delay";
    EXPECT_EQ(window_shown, 1);
    EXPECT_EQ(activation_pending, 0);
    EXPECT_FALSE(KillTimer(window, TIMER_DELAYED_ACTIVATION)) << "one-shot";
}

TEST_F(LauncherView, RememberedLocationIsUsedAndStoredAtEachHideOfAShownWindow)
{
    seed_quiet_options([](LauncherOptions& record) {
        record.remember_location = 1;
        record.window_x = 40;
        record.window_y = 30;
    });
    open_and_activate();
    RECT rect;
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, 40);
    EXPECT_EQ(rect.top, 30);

    SetWindowPos(window, nullptr, 120, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    LauncherOptions saved;
    FileBytes file = read_bytes(path("Launcher.opt"));
    ASSERT_EQ(file.size(), sizeof saved);
    std::memcpy(&saved, file.data(), sizeof saved);
    EXPECT_EQ(saved.window_x, 120);
    EXPECT_EQ(saved.window_y, 90);

    // A second hide of the hidden window stores nothing.
    SetWindowPos(window, nullptr, 300, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    hide_launcher_window(window);
    std::memcpy(&saved, read_bytes(path("Launcher.opt")).data(), sizeof saved);
    EXPECT_EQ(saved.window_x, 120);

    // A hide from the place already stored writes nothing.
    ASSERT_TRUE(DeleteFileA(path("Launcher.opt").c_str()));
    SendMessageA(window, WM_CHORD_ACTIVATE, 0, 0);
    SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(file_exists(path("Launcher.opt")));
}

TEST_F(LauncherView, APositionOffEveryMonitorFallsBackToTheDefaultPlace)
{
    seed_quiet_options([](LauncherOptions& record) {
        record.remember_location = 1;
        record.window_x = 5000;
        record.window_y = 4000;
    });
    open_and_activate();
    RECT rect;
    GetWindowRect(window, &rect);
    int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    bool dpi_120 = display_class == 0;
    EXPECT_EQ(rect.left, width - (dpi_120 ? 480 : 390));
    EXPECT_EQ(rect.top, height - (dpi_120 ? 500 : 390));

    // Partly off screen moves just far enough to lie inside the work area.
    hide_launcher_window(window);
    options.window_x = width - 50;
    options.window_y = 10;
    SendMessageA(window, WM_CHORD_ACTIVATE, 0, 0);
    GetWindowRect(window, &rect);
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(rect.right, work.right);
    EXPECT_EQ(rect.top, 10);
}

TEST_F(LauncherView, ActivateAtMousePutsTheCornerAtThePointer)
{
    seed_quiet_options([](LauncherOptions& record) {
        record.activate_at_mouse = 1;
        record.remember_location = 1;
        record.window_x = 40;
        record.window_y = 30;
    });
    open_window();
    end_startup();
    SetCursorPos(500, 400);
    SendMessageA(window, WM_CHORD_ACTIVATE, 0, 0);
    RECT rect;
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, 500);
    EXPECT_EQ(rect.top, 400);
}

} // namespace
