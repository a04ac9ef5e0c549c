// The real launcher window created in the test process over a data folder seeded by the
// test: the per-user data folder of the test prefix, which these tests own while they run.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "chords/chord_hook.h"
#include "chordhook/chordhook.h"
#include "store/connections.h"
#include "commands/item_dialogs.h"
#include "launch/launch_chain.h"
#include "launch/launch_pipeline.h"
#include "app/launcher_window.h"
#include "state/window_state.h"
#include "window/show_hide.h"
#include "options/options.h"
#include "commands/command_target.h"
#include "commands/panel_commands.h"
#include "view/panel_controls.h"
#include "store/panel_set.h"
#include "files/paths.h"
#include "view/pointer.h"
#include "resources/resource.h"
#include "store/selection.h"

using FileBytes = std::vector<unsigned char>;

inline FileBytes read_bytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return FileBytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void write_bytes(const std::string& path, const void* data, size_t size)
{
    std::ofstream out(path, std::ios::binary);
    out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
}

// The folder of the running test program, where the build puts the probe programs too.
inline std::string test_program_folder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string text(path);
    return text.substr(0, text.rfind('\\'));
}

inline bool file_exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A panel set or table being prepared for a data file.
inline PanelSet empty_set()
{
    PanelSet set;
    std::memset(&set, 0, sizeof set);
    return set;
}

inline void put_item(PanelSet& set, int panel, const std::string& item)
{
    put_panel_item(set, panel, item.c_str());
}

class LauncherFixture : public ::testing::Test {
  protected:
    HWND window = nullptr;
    std::string folder;

    // Resolves the data folder and empties it; tests then seed files before open_window().
    void SetUp() override
    {
        resolve_paths();
        folder = data_folder;
        for (const char* name :
             {"Launcher.lst", "Launcher.lft", "Launcher.rgt", "Launcher.lst_shift", "Launcher.lft_shift",
              "Launcher.rgt_shift", "Launcher.con", "Launcher.con_shift", "Launcher.opt"}) {
            DeleteFileA(path(name).c_str());
        }
        // A panel file, so that the end of start-up shows no first-run guide.
        PanelSet empty = empty_set();
        seed("Launcher.lst", &empty, sizeof empty);
        startup_complete = 0;
        window_shown = 0;
        activation_pending = 0;
        hovered_panel = 0;
        section = 0;
        shift_active = 0;
        shift_release_pending = 0;
        // Every test starts from the program's own start-up state, whatever ran before it
        // in this process.
        display_class = 0;
        launch_allowed = 1;
        clear_launched_panels();
        selected_panel = 0;
        command_ready = 1;
        editing_text_item = 0;
    }

    void TearDown() override
    {
        if (window != nullptr) {
            KillTimer(window, TIMER_STARTUP);
            KillTimer(window, TIMER_DELAYED_ACTIVATION);
            remove_chord_hook();
            DestroyWindow(window);
        }
    }

    std::string path(const char* name) const { return folder + "\\" + name; }

    void seed(const char* name, const void* record, size_t size) const { write_bytes(path(name), record, size); }

    // Options with sound off, so that no test waits for the sound system.
    void seed_quiet_options(void (*adjust)(LauncherOptions&) = nullptr) const
    {
        LauncherOptions record;
        std::memset(&record, 0, sizeof record);
        record.skip_restore_minimize = 1;
        if (adjust != nullptr) {
            adjust(record);
        }
        seed("Launcher.opt", &record, sizeof record);
    }

    void open_window()
    {
        window = create_launcher_window(GetModuleHandleA(nullptr));
        ASSERT_NE(window, nullptr);
        ASSERT_EQ(window, main_window);
    }

    void end_startup() { SendMessageA(window, WM_TIMER, TIMER_STARTUP, 0); }

    // Opens the window and brings it up as a chord would.
    void open_and_activate()
    {
        open_window();
        end_startup();
        SendMessageA(window, WM_CHORD_ACTIVATE, 0, 0);
    }

    LRESULT send_mouse(UINT message, int x, int y, WPARAM wparam = 0)
    {
        return SendMessageA(window, message, wparam, MAKELPARAM(x, y));
    }

    LRESULT send_mouse(UINT message, POINT point) { return send_mouse(message, point.x, point.y); }

    void wheel(int delta) { SendMessageA(window, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)), 0); }

    std::string text(int id) const
    {
        char buffer[1024] = {};
        GetDlgItemTextA(window, id, buffer, sizeof buffer);
        return buffer;
    }

    bool enabled(int id) const { return IsWindowEnabled(GetDlgItem(window, id)) != FALSE; }

    HICON icon_of(int id) const { return reinterpret_cast<HICON>(SendDlgItemMessageA(window, id, STM_GETICON, 0, 0)); }

    static HICON resource_icon(int id) { return LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id)); }

  public:
    // Lets timers and posted messages run for the given time.
    static void pump(DWORD milliseconds)
    {
        DWORD start = GetTickCount();
        MSG message;
        while (GetTickCount() - start < milliseconds) {
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
            Sleep(5);
        }
    }

    // Lets timers and posted messages run until the condition holds or the deadline passes
    // (generous: a loaded machine delays timers); returns whether it held.
    template <typename Condition> static bool pump_until(Condition condition, DWORD deadline_ms = 10000)
    {
        DWORD start = GetTickCount();
        MSG message;
        while (!condition()) {
            if (GetTickCount() - start >= deadline_ms) {
                return false;
            }
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
            Sleep(5);
        }
        return true;
    }
};
