// The options dialogs on the real launcher window: initialised from Launcher.opt, their
// controls' states, Apply and Cancel; and the start-up questions with the system's
// log-off replaced.
#include <gtest/gtest.h>

#include <string>

#include "dialog_answerer.h"
#include "launcher_fixture.h"
#include "options/options_dialog.h"
#include "commands/panel_commands.h"
#include "app/startup/relogin.h"
#include "options/sound.h"
#include "app/startup/startup.h"

namespace {

struct ControlState {
    bool checked;
    bool enabled;
    std::string text;
};

ControlState state_of(HWND dialog, int id)
{
    char text[64] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return {IsDlgButtonChecked(dialog, id) == BST_CHECKED, IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE, text};
}

class OptionsDialog : public LauncherFixture {
  protected:
    DialogAnswerer answerer;
    std::vector<ControlState> seen;

    void SetUp() override
    {
        LauncherFixture::SetUp();
        DialogAnswerer::answered().clear();
    }

    void TearDown() override
    {
        EXPECT_TRUE(answerer.all_answered()) << "an expected dialog never opened";
        LauncherFixture::TearDown();
    }

    LauncherOptions saved() const
    {
        LauncherOptions record;
        FileBytes bytes = read_bytes(path("Launcher.opt"));
        EXPECT_EQ(bytes.size(), sizeof record);
        std::memcpy(&record, bytes.data(), std::min(bytes.size(), sizeof record));
        return record;
    }

    // Opens the dialog over a Launcher.opt adjusted by the test and hands it to the action.
    void open_over(void (*adjust)(LauncherOptions&), DialogAnswerer::Action action)
    {
        seed_quiet_options(adjust);
        open_window();
        end_startup();
        answerer.expect("Options", action);
        command_ready = 1;
        SendMessageA(window, WM_COMMAND, ID_OPTIONS, 0);
    }
};

TEST_F(OptionsDialog, DelayListSelectsByPrefixAndZeroBecomes500)
{
    struct Case {
        uint32_t delay;
        const char* shown;
    } const cases[] = {{1000, "1000"}, {100, "1000"}, {750, ""}, {0, "500"}, {500, "500"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.delay);
        std::string shown;
        if (window == nullptr) {
            seed_quiet_options();
            open_window();
            end_startup();
        }
        options.launch_delay_ms = c.delay;
        answerer.expect("Options", [&shown](HWND dialog) {
            shown = state_of(dialog, IDC_DELAY_LIST).text;
            DialogAnswerer::press(dialog, IDCANCEL);
        });
        open_options_dialog();
        EXPECT_EQ(shown, c.shown);
    }
}

TEST_F(OptionsDialog, SoundControlsFollowTheCheckBoxAndTheTheme)
{
    open_over(
        [](LauncherOptions& record) {
            record.use_sound = 1;
            record.sound_theme = SOUND_THEME_CUSTOM;
        },
        [this](HWND dialog) {
            seen.push_back(state_of(dialog, IDC_THEME_LIST));
            seen.push_back(state_of(dialog, IDC_SELECT_FILES));
            SendDlgItemMessageA(dialog, IDC_USE_SOUND, BM_CLICK, 0, 0);
            seen.push_back(state_of(dialog, IDC_THEME_LIST));
            seen.push_back(state_of(dialog, IDC_SELECT_FILES));
            SendDlgItemMessageA(dialog, IDC_USE_SOUND, BM_CLICK, 0, 0);
            seen.push_back(state_of(dialog, IDC_SELECT_FILES));
            // Another theme: no files to select.
            SendDlgItemMessageA(dialog, IDC_THEME_LIST, CB_SETCURSEL, 1, 0);
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_THEME_LIST, CBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_THEME_LIST)));
            seen.push_back(state_of(dialog, IDC_SELECT_FILES));
            DialogAnswerer::press(dialog, IDCANCEL);
        });
    ASSERT_EQ(seen.size(), 6u);
    EXPECT_EQ(seen[0].text, "Custom");
    EXPECT_TRUE(seen[0].enabled);
    EXPECT_TRUE(seen[1].enabled);
    EXPECT_FALSE(seen[2].enabled);
    EXPECT_FALSE(seen[3].enabled);
    EXPECT_TRUE(seen[4].enabled) << "sound back on with Custom chosen";
    EXPECT_FALSE(seen[5].enabled);
}

TEST_F(OptionsDialog, ApplyStoresEveryFieldWritesTheFileAndResolvesTheSounds)
{
    open_over(
        [](LauncherOptions& record) {
            record.skip_restore_minimize = 0;
            record.sound_theme = SOUND_THEME_BASIC;
            record.use_sound = 0;
        },
        [](HWND dialog) {
            for (int id :
                 {IDC_OPEN_IN_NEW_BROWSER, IDC_REMEMBER_LOCATION, IDC_ACTIVATE_AT_MOUSE, IDC_DELAYED_LAUNCHING,
                  IDC_SKIP_RESTORE_MINIMIZE, IDC_REMOVE_ORIGINAL_SHORTCUTS, IDC_USE_SOUND, IDC_REVERSE_SCROLL}) {
                SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0);
            }
            SendDlgItemMessageA(dialog, IDC_DELAY_LIST, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                                reinterpret_cast<LPARAM>("1000"));
            SendDlgItemMessageA(dialog, IDC_THEME_LIST, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                                reinterpret_cast<LPARAM>("Pinball"));
            DialogAnswerer::press(dialog, IDOK);
        });
    LauncherOptions record = saved();
    EXPECT_EQ(record.open_in_new_browser, 1);
    EXPECT_EQ(record.remember_location, 1);
    EXPECT_EQ(+record.activate_at_mouse, 1);
    EXPECT_EQ(record.delayed_launching, 1);
    EXPECT_EQ(record.launch_delay_ms, 1000u);
    EXPECT_EQ(record.skip_restore_minimize, 1);
    EXPECT_EQ(record.remove_original_shortcuts, 1);
    EXPECT_EQ(record.use_sound, 1);
    EXPECT_EQ(+record.reverse_scroll, 1);
    EXPECT_EQ(record.sound_theme, SOUND_THEME_PINBALL);
    EXPECT_EQ(std::string(options.sound_file_activation), std::string(install_folder) + "\\pinball-activation.wav");
}

TEST_F(OptionsDialog, CancelLeavesTheRecordInMemoryAndOnDiskExactlyAsItWasWhenTheDialogOpened)
{
    open_over([](LauncherOptions& record) { record.reverse_scroll = 0; },
              [](HWND dialog) {
                  SendDlgItemMessageA(dialog, IDC_REVERSE_SCROLL, BM_CLICK, 0, 0);
                  DialogAnswerer::press(dialog, IDCANCEL);
              });
    EXPECT_EQ(+saved().reverse_scroll, 0);
    EXPECT_EQ(+options.reverse_scroll, 0);
    const FileBytes on_disk = read_bytes(path("Launcher.opt"));

    struct Case {
        const char* name;
        void (*before)();
        void (*in_dialog)(DialogAnswerer& answerer, HWND dialog);
    } cases[] = {
        {"custom files chosen, then Options cancelled", [] {},
         [](DialogAnswerer& answerer, HWND dialog) {
             answerer.expect("Select Custom .WAV Files", [](HWND custom) {
                 SetDlgItemTextA(custom, IDC_WAV_ACTIVATION, "D:\\new.wav");
                 DialogAnswerer::press(custom, IDOK);
             });
             answerer.expect("Options", DialogAnswerer::press_button(IDCANCEL));
             PostMessageA(dialog, WM_COMMAND, IDC_SELECT_FILES, 0);
         }},
        {"a change held in memory only (its save failed)", [] { options.reverse_scroll = 1; },
         [](DialogAnswerer&, HWND dialog) { DialogAnswerer::press(dialog, IDCANCEL); }},
        {"no delay in the record, the list showing 500", [] { options.launch_delay_ms = 0; },
         [](DialogAnswerer&, HWND dialog) { DialogAnswerer::press(dialog, IDCANCEL); }},
    };
    for (const Case& c : cases) {
        c.before();
        const LauncherOptions opened = options;
        answerer.expect("Options", [&](HWND dialog) { c.in_dialog(answerer, dialog); });
        command_ready = 1;
        SendMessageA(window, WM_COMMAND, ID_OPTIONS, 0);
        EXPECT_EQ(std::memcmp(&options, &opened, sizeof opened), 0) << c.name;
        EXPECT_EQ(read_bytes(path("Launcher.opt")), on_disk) << c.name;
    }
}

TEST_F(OptionsDialog, CustomFilesApplyIntoTheRecordAndCancelKeepsThem)
{
    open_over(
        [](LauncherOptions& record) {
            record.use_sound = 1;
            record.sound_theme = SOUND_THEME_CUSTOM;
            std::strcpy(record.custom_wav_changing, "D:\\old.wav");
        },
        [this](HWND dialog) {
            answerer.expect("Select Custom .WAV Files", [this](HWND custom) {
                seen.push_back(state_of(custom, IDC_WAV_CHANGING));
                SetDlgItemTextA(custom, IDC_WAV_ACTIVATION, "D:\\new.wav");
                DialogAnswerer::press(custom, IDOK);
            });
            answerer.expect("Options", DialogAnswerer::press_button(IDOK));
            PostMessageA(dialog, WM_COMMAND, IDC_SELECT_FILES, 0);
        });
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "D:\\old.wav");
    EXPECT_STREQ(saved().custom_wav_activation, "D:\\new.wav");
    EXPECT_STREQ(options.sound_file_activation, "D:\\new.wav") << "Custom resolves to the user's files";
    EXPECT_STREQ(options.sound_file_changing, "D:\\old.wav");
}

TEST_F(OptionsDialog, CustomFilesCancelLeavesTheRecordAlone)
{
    open_over([](LauncherOptions& record) { std::strcpy(record.custom_wav_launching, "D:\\kept.wav"); },
              [this](HWND dialog) {
                  answerer.expect("Select Custom .WAV Files", [](HWND custom) {
                      SetDlgItemTextA(custom, IDC_WAV_LAUNCHING, "D:\\dropped.wav");
                      DialogAnswerer::press(custom, IDCANCEL);
                  });
                  answerer.expect("Options", DialogAnswerer::press_button(IDOK));
                  PostMessageA(dialog, WM_COMMAND, IDC_SELECT_FILES, 0);
              });
    EXPECT_STREQ(saved().custom_wav_launching, "D:\\kept.wav");
}

TEST_F(OptionsDialog, TurningSkippingOnRestoresAndHidesTheHiddenWindowOnce)
{
    // With skipping off, hiding minimised the window first.
    open_over([](LauncherOptions& record) { record.skip_restore_minimize = 0; },
              [](HWND dialog) { DialogAnswerer::press(dialog, IDCANCEL); });
    SendMessageA(window, WM_CHORD_ACTIVATE, 0, 0);
    hide_launcher_window(window);
    ASSERT_TRUE(IsIconic(window));
    answerer.expect("Options", [](HWND dialog) {
        SendDlgItemMessageA(dialog, IDC_SKIP_RESTORE_MINIMIZE, BM_CLICK, 0, 0);
        DialogAnswerer::press(dialog, IDOK);
    });
    command_ready = 1;
    SendMessageA(window, WM_COMMAND, ID_OPTIONS, 0);
    EXPECT_FALSE(IsIconic(window));
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(options.skip_restore_minimize, 1);
}

// --- start-up questions ---------------------------------------------------------------------

std::vector<UINT> exit_requests;
BOOL exit_result;

BOOL WINAPI record_exit(UINT flags, DWORD reason)
{
    EXPECT_EQ(reason, 0x80040000u);
    exit_requests.push_back(flags);
    return exit_result;
}

class StartupQuestions : public LauncherFixture {
  protected:
    DialogAnswerer answerer;
    std::vector<std::string> boxes;

    void SetUp() override
    {
        LauncherFixture::SetUp();
        exit_requests.clear();
        exit_windows = record_exit;
        seed_quiet_options();
        open_window();
    }

    void TearDown() override
    {
        exit_windows = ExitWindowsEx;
        reboot_requested = 0;
        EXPECT_TRUE(answerer.all_answered()) << "an expected box never opened";
        LauncherFixture::TearDown();
    }

    DialogAnswerer::Action answer(int button)
    {
        return [this, button](HWND box) {
            char text[512] = {};
            GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
            boxes.push_back(text);
            DialogAnswerer::press(box, button);
        };
    }
};

TEST_F(StartupQuestions, RebootOfferAnsweredNoGivesExactlyOneMoreBox)
{
    ASSERT_TRUE(is_vista_or_later()) << "this prefix reports an NT 6 version";
    reboot_requested = 1;
    panel_file_missing = 1;
    answerer.expect("Vantrel", answer(IDNO));
    answerer.expect("Vantrel", answer(IDOK));
    end_startup();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0],
              "Vantrel has been installed successfully\nand requires relogin.\n\nDo you want to relogin now ?");
    EXPECT_EQ(boxes[1], "Please relogin or reboot later before use the Vantrel.");
    EXPECT_TRUE(exit_requests.empty());
    EXPECT_EQ(panel_file_missing, 1) << "no guide in a run with the offer";
    EXPECT_EQ(startup_complete, 1);
    EXPECT_FALSE(IsWindowVisible(window));
}

TEST_F(StartupQuestions, YesLogsOffThenRestartsAndReportsWhenBothAreRefused)
{
    reboot_requested = 1;
    exit_result = FALSE;
    answerer.expect("Vantrel", answer(IDYES));
    answerer.expect("Vantrel", answer(IDOK));
    end_startup();
    // Log-off, then restart; programs that still answer may save their work first.
    ASSERT_EQ(exit_requests.size(), 2u);
    EXPECT_EQ(exit_requests[0], static_cast<UINT>(EWX_LOGOFF | EWX_FORCEIFHUNG));
    EXPECT_EQ(exit_requests[1], static_cast<UINT>(EWX_REBOOT | EWX_FORCEIFHUNG));
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1], "Vantrel has failed to relogin.\n\nPlease relogin or reboot PC by yourself.");
}

TEST_F(StartupQuestions, AcceptedLogOffShowsNothingMore)
{
    reboot_requested = 1;
    exit_result = TRUE;
    answerer.expect("Vantrel", answer(IDYES));
    end_startup();
    ASSERT_EQ(exit_requests.size(), 1u);
    EXPECT_EQ(boxes.size(), 1u);
}

TEST_F(StartupQuestions, FirstRunShowsTheGuideOnceAndClearsTheFlag)
{
    panel_file_missing = 1;
    answerer.expect("Vantrel - First time running", DialogAnswerer::press_button(IDCANCEL));
    end_startup();
    EXPECT_EQ(panel_file_missing, 0);
    EXPECT_EQ(startup_complete, 1);
}

} // namespace
