// Drops, panel commands and Emailer and Text Clipboard items on the real launcher window:
// real messages, real dialogs answered by caption, and the data files checked on disk.
#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chords/chord_settings.h"
#include "options/chords_keys_dialog.h"
#include "dialog_answerer.h"
#include "../probes/wide_drop.h"
#include "commands/clipboard_copier.h"
#include "commands/item_dialogs.h"
#include "commands/text_files.h"
#include "commands/text_codec.h"
#include "app/tray/tray.h"
#include "launcher_fixture.h"
#include "testing.h"
#include "commands/panel_commands.h"
#include "panel_points.h"
#include "small_fs.h"

namespace {

HDROP make_drop(const std::vector<std::string>& files, POINT point)
{
    size_t size = sizeof(DROPFILES) + 1;
    for (const std::string& file : files) {
        size += file.size() + 1;
    }
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->pt = point;
    drop->fNC = FALSE;
    drop->fWide = FALSE;
    char* names = reinterpret_cast<char*>(drop) + sizeof(DROPFILES);
    for (const std::string& file : files) {
        std::memcpy(names, file.c_str(), file.size() + 1);
        names += file.size() + 1;
    }
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

std::wstring widened(const std::string& text)
{
    return std::wstring(text.begin(), text.end());
}

std::string read_text(const std::string& path)
{
    FileBytes bytes = read_bytes(path);
    return std::string(bytes.begin(), bytes.end());
}

class Commands : public LauncherFixture {
  protected:
    DialogAnswerer answerer;
    std::string files; // a folder for dropped files and text files made by the tests

    void SetUp() override
    {
        LauncherFixture::SetUp();
        DialogAnswerer::answered().clear();
        DialogAnswerer::error_texts().clear();
        files = folder + "\\test-files";
        SHCreateDirectoryExA(nullptr, files.c_str(), nullptr);
        // Leftovers of an earlier test in the Shortcuts and Text folders.
        for (const char* sub : {"\\Shortcuts\\", "\\Text\\", "\\test-files\\"}) {
            WIN32_FIND_DATAA found;
            std::string pattern = folder + sub + "*";
            HANDLE search = FindFirstFileA(pattern.c_str(), &found);
            if (search != INVALID_HANDLE_VALUE) {
                do {
                    DeleteFileA((folder + sub + found.cFileName).c_str());
                } while (FindNextFileA(search, &found));
                FindClose(search);
            }
        }
    }

    void TearDown() override
    {
        EXPECT_TRUE(answerer.all_answered()) << "an expected dialog never opened";
        LauncherFixture::TearDown();
    }

    std::string make_file(const std::string& name, const std::string& content = "x")
    {
        std::string path = files + "\\" + name;
        write_bytes(path, content.data(), content.size());
        return path;
    }

    // A text file where Text Clipboard items keep theirs.
    std::string make_text_file(const std::string& name, const std::string& content)
    {
        std::string path = folder + "\\Text\\" + name;
        write_bytes(path, content.data(), content.size());
        return path;
    }

    void start(const PanelSet& set, const ConnectionTable* links = nullptr, void (*adjust)(LauncherOptions&) = nullptr)
    {
        seed("Launcher.lst", &set, sizeof set);
        if (links != nullptr) {
            seed("Launcher.con", links, sizeof *links);
        }
        seed_quiet_options(adjust);
        open_and_activate();
        display_class = 1;
        command_ready = 1;
    }

    void drop(const std::vector<std::string>& paths, POINT point)
    {
        SendMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(make_drop(paths, point)), 0);
    }

    // A menu command as the panel menu delivers it, with the guard's time let pass first.
    void command(int panel, WORD id)
    {
        selected_panel = panel;
        pump(20);
        command_ready = 1;
        SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
    }

    PanelSet saved_set() const
    {
        PanelSet set;
        FileBytes bytes = read_bytes(path("Launcher.lst"));
        EXPECT_EQ(bytes.size(), sizeof set);
        std::memcpy(&set, bytes.data(), std::min(bytes.size(), sizeof set));
        return set;
    }

    ConnectionTable saved_links() const
    {
        ConnectionTable table = {};
        FileBytes bytes = read_bytes(path("Launcher.con"));
        EXPECT_EQ(bytes.size(), sizeof table);
        std::memcpy(&table, bytes.data(), std::min(bytes.size(), sizeof table));
        return table;
    }
};

// --- drops ---------------------------------------------------------------------------------

TEST_F(Commands, AFailedSaveIsToldOnceAMinuteAndTheNextSaveWritesWhatMemoryKept)
{
    start(empty_set());
    int shown = save_notices_shown();
    // A read-only panel file: every save fails; the panels stay in memory.
    SetFileAttributesA(path("Launcher.lst").c_str(), FILE_ATTRIBUTE_READONLY);
    std::string first = make_file("first.txt"), second = make_file("second.txt"), third = make_file("third.txt");
    drop({first}, PANEL_POINTS[1]);
    EXPECT_EQ(save_notices_shown(), shown + 1);
    EXPECT_EQ(std::string(last_save_notice()).rfind("Vantrel could not save your panels: ", 0), 0u)
        << last_save_notice();
    EXPECT_GT(std::strlen(last_save_notice()), std::strlen("Vantrel could not save your panels: "))
        << "the system's reason is missing";
    // The balloon names the data that was not saved.
    const char* subjects[][2] = {{"C:\\d\\Launcher.lst_shift", "your panels"},
                                 {"C:\\d\\Launcher.con", "your panels"},
                                 {"C:\\d\\LAUNCHER.OPT", "your options"},
                                 {"C:\\d\\Vantrel.ini", "your chord and key settings"}};
    for (const auto& subject : subjects) {
        EXPECT_STREQ(saved_data_subject(subject[0]), subject[1]) << subject[0];
    }
    drop({second}, PANEL_POINTS[2]);
    EXPECT_EQ(save_notices_shown(), shown + 1) << "a second balloon within the minute";
    EXPECT_EQ(saved_set().occupied[0], 0);

    SetFileAttributesA(path("Launcher.lst").c_str(), FILE_ATTRIBUTE_NORMAL);
    drop({third}, PANEL_POINTS[3]);
    PanelSet saved = saved_set();
    EXPECT_STREQ(saved.item_text[0], first.c_str());
    EXPECT_STREQ(saved.item_text[1], second.c_str());
    EXPECT_STREQ(saved.item_text[2], third.c_str());
    EXPECT_EQ(save_notices_shown(), shown + 1);
}

TEST_F(Commands, DroppingTwoFilesIsRefusedAndChangesNothing)
{
    start(empty_set());
    answerer.expect("Error Message", DialogAnswerer::acknowledge_error());
    drop({make_file("a.txt"), make_file("b.txt")}, PANEL_POINTS[1]);
    ASSERT_EQ(DialogAnswerer::error_texts().size(), 1u);
    EXPECT_EQ(DialogAnswerer::error_texts()[0], "Please drop only one file at a time.");
    EXPECT_FALSE(file_exists(path("Launcher.lst.tmp")));
    EXPECT_EQ(panel_sets[0].occupied[0], 0);
    FileBytes kept = read_bytes(path("Launcher.lst"));
    PanelSet empty = empty_set();
    EXPECT_EQ(std::memcmp(kept.data(), &empty, sizeof empty), 0);
}

TEST_F(Commands, DropOnAPanelRegistersItsPathAndSaves)
{
    start(empty_set());
    std::string file = make_file("notes.txt");
    drop({file}, PANEL_POINTS[6]);
    PanelSet set = saved_set();
    EXPECT_EQ(set.occupied[5], 1);
    EXPECT_STREQ(set.item_text[5], file.c_str());
    EXPECT_EQ(text(IDC_PANEL6_NAME), "notes.txt");
}

TEST_F(Commands, DropOnTheCentreOrAGapSavesNothing)
{
    start(empty_set());
    DeleteFileA(path("Launcher.lst").c_str());
    drop({make_file("a.txt")}, CENTRE);
    drop({make_file("b.txt")}, POINT{122, 60});
    EXPECT_FALSE(file_exists(path("Launcher.lst")));
}

TEST_F(Commands, DropOnAnOccupiedPanelAsksAndCancelTouchesNothing)
{
    std::string text_file = make_text_file("note.txt", "keep me");
    PanelSet set = empty_set();
    put_item(set, 2, "@TNote@1" + text_file);
    ConnectionTable links = {};
    links.links[0][1] = 5;
    start(set, &links);

    answerer.expect("Program/file registration", DialogAnswerer::press_button(IDCANCEL));
    drop({make_file("new.txt")}, PANEL_POINTS[2]);
    EXPECT_STREQ(saved_set().item_text[1], ("@TNote@1" + text_file).c_str());
    EXPECT_EQ(read_text(text_file), "keep me");

    answerer.expect("Program/file registration", DialogAnswerer::press_button(IDOK));
    std::string replacement = make_file("new.txt");
    drop({replacement}, PANEL_POINTS[2]);
    EXPECT_STREQ(saved_set().item_text[1], replacement.c_str());
    EXPECT_FALSE(file_exists(text_file)) << "the overwritten text item's file goes";
    EXPECT_EQ(saved_links().links[0][1], 5) << "the connection stays";
}

TEST_F(Commands, OverwritingAnEmailerOrPathItemDeletesNoFile)
{
    std::string kept = make_file("kept.txt");
    PanelSet set = empty_set();
    put_item(set, 1, kept);
    put_item(set, 3, "@EMail@1" + kept);
    start(set);
    answerer.expect("Program/file registration", DialogAnswerer::press_button(IDOK));
    answerer.expect("Program/file registration", DialogAnswerer::press_button(IDOK));
    drop({make_file("one.txt")}, PANEL_POINTS[1]);
    drop({make_file("two.txt")}, PANEL_POINTS[3]);
    EXPECT_TRUE(file_exists(kept));
}

TEST_F(Commands, ADroppedNameIsRegisteredExactlyOrByItsShortNameNeverAsAnotherFile)
{
    start(empty_set());
    // A file named with a letter the ANSI code page lacks (a Greek capital omega), beside
    // the files a best-fit or default-character conversion of its name would point at.
    std::string look_alike = make_file("Omega file.txt", "look-alike");
    std::string question = make_file("_mega file.txt", "question");
    std::wstring omega = widened(files) + L"\\\x03A9mega file.txt";
    HANDLE file = CreateFileW(omega.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, "real", 4, &written, nullptr);
    CloseHandle(file);
    std::string plain = make_file("plain.txt", "plain");

    struct Case {
        std::wstring dropped;
        POINT point;
        const char* content;
    } cases[] = {{omega, PANEL_POINTS[1], "real"}, {widened(plain), PANEL_POINTS[2], "plain"}};
    for (const Case& c : cases) {
        SendMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(make_wide_drop(c.dropped, c.point)), 0);
    }
    std::string item = saved_set().item_text[0];
    EXPECT_NE(item, look_alike);
    EXPECT_EQ(read_text(item), "real") << "registered " << item;
    EXPECT_STREQ(saved_set().item_text[1], plain.c_str()) << "a name the code page holds arrives as it is";
}

TEST_F(Commands, ShortcutsMoveIntoTheShortcutsFolderOnlyWithTheOption)
{
    start(empty_set(), nullptr, [](LauncherOptions& record) { record.remove_original_shortcuts = 1; });
    std::string first = make_file("Editor.lnk", "first");
    drop({first}, PANEL_POINTS[1]);
    std::string copy = folder + "\\Shortcuts\\Editor.lnk";
    EXPECT_STREQ(saved_set().item_text[0], copy.c_str());
    EXPECT_EQ(read_text(copy), "first");
    EXPECT_FALSE(file_exists(first));

    // A second shortcut of the same name from elsewhere gets a name of its own.
    SHCreateDirectoryExA(nullptr, (files + "\\other").c_str(), nullptr);
    std::string second = files + "\\other\\Editor.lnk";
    write_bytes(second, "second", 6);
    drop({second}, PANEL_POINTS[2]);
    std::string second_copy = folder + "\\Shortcuts\\Editor (2).lnk";
    EXPECT_STREQ(saved_set().item_text[1], second_copy.c_str());
    EXPECT_EQ(read_text(copy), "first");
    EXPECT_EQ(read_text(second_copy), "second");

    // A registered shortcut dragged from the Shortcuts folder itself onto another panel is
    // registered as it stands, in any spelling of the folder: no copy, and both panels keep it.
    std::string upper_folder = copy;
    for (char& c : upper_folder) {
        c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    }
    const std::string redrops[] = {copy, upper_folder};
    for (int i = 0; i < 2; ++i) {
        drop({redrops[i]}, PANEL_POINTS[5 + i]);
        EXPECT_STREQ(saved_set().item_text[4 + i], redrops[i].c_str());
        EXPECT_STREQ(saved_set().item_text[0], copy.c_str());
        EXPECT_EQ(read_text(copy), "first");
        EXPECT_FALSE(file_exists(folder + "\\Shortcuts\\Editor (3).lnk"));
    }

    // Letter case counts: an upper-case extension is registered where it lies.
    std::string upper = make_file("Viewer.LNK");
    drop({upper}, PANEL_POINTS[3]);
    EXPECT_STREQ(saved_set().item_text[2], upper.c_str());
    EXPECT_TRUE(file_exists(upper));
}

TEST_F(Commands, ShortcutsStayWhereTheyAreWithoutTheOption)
{
    start(empty_set());
    std::string shortcut = make_file("Site.url");
    drop({shortcut}, PANEL_POINTS[4]);
    EXPECT_STREQ(saved_set().item_text[3], shortcut.c_str());
    EXPECT_TRUE(file_exists(shortcut));
}

// --- panel commands --------------------------------------------------------------------------

TEST_F(Commands, EmptyDeletesATextFileButNoShortcutCopyAndKeepsOtherLinks)
{
    std::string text_file = make_text_file("t.txt", "text");
    std::string shortcut_copy = folder + "\\Shortcuts\\Kept.lnk";
    write_bytes(shortcut_copy, "lnk", 3);
    PanelSet set = empty_set();
    put_item(set, 5, "@TT@1" + text_file);
    put_item(set, 6, shortcut_copy);
    put_item(set, 3, "@EX@1a@b");
    ConnectionTable links = {};
    links.links[0][4] = 6; // 5 -> 6
    links.links[0][2] = 5; // 3 -> 5
    start(set, &links);

    command(5, ID_EMPTY);
    command(6, ID_EMPTY);
    PanelSet saved = saved_set();
    EXPECT_EQ(saved.occupied[4], 0);
    EXPECT_EQ(saved.item_text[4][0], '\0');
    EXPECT_EQ(saved.occupied[5], 0);
    EXPECT_FALSE(file_exists(text_file));
    EXPECT_TRUE(file_exists(shortcut_copy));
    ConnectionTable table = saved_links();
    EXPECT_EQ(table.links[0][4], 0);
    EXPECT_EQ(table.links[0][2], 5) << "panel 3 still names the emptied panel 5";
    EXPECT_EQ(read_bytes(path("Launcher.con_shift")), FileBytes(96, 0));
    EXPECT_EQ(text(IDC_PANEL5_NAME), "");
}

TEST_F(Commands, MoveToAnEmptyPanelCarriesTheConnectionUnlessItWouldNameItself)
{
    PanelSet set = empty_set();
    put_item(set, 2, "@EMove@1a@b");
    put_item(set, 3, "@EStay@1a@b");
    ConnectionTable links = {};
    links.links[0][1] = 3; // 2 -> 3
    links.links[0][2] = 6; // 3 -> 6 (6 is empty)
    start(set, &links);

    command(2, ID_MOVE_TO_1);
    PanelSet saved = saved_set();
    EXPECT_EQ(saved.occupied[1], 0);
    EXPECT_STREQ(saved.item_text[0], "@EMove@1a@b");
    EXPECT_EQ(saved_links().links[0][0], 3);
    EXPECT_EQ(saved_links().links[0][1], 0);

    command(3, ID_MOVE_TO_1 + 5); // 3 -> panel 6, which its connection names
    EXPECT_STREQ(saved_set().item_text[5], "@EStay@1a@b");
    EXPECT_EQ(saved_links().links[0][5], 0);

    // Onto itself: nothing happens and nothing is saved.
    DeleteFileA(path("Launcher.lst").c_str());
    command(6, ID_MOVE_TO_1 + 5);
    EXPECT_FALSE(file_exists(path("Launcher.lst")));
}

TEST_F(Commands, OverwriteDeletesTheOverwrittenTextFileAndKeepsTheMovedOne)
{
    std::string moved_file = make_text_file("moved.txt", "m");
    std::string lost_file = make_text_file("lost.txt", "l");
    PanelSet set = empty_set();
    put_item(set, 1, "@TMoved@1" + moved_file);
    put_item(set, 2, "@TLost@1" + lost_file);
    ConnectionTable links = {};
    links.links[0][0] = 7;
    start(set, &links);
    answerer.expect("Overwrite / Exchange", DialogAnswerer::press_button(IDC_OVERWRITE));
    command(1, ID_MOVE_TO_1 + 1);
    PanelSet saved = saved_set();
    EXPECT_EQ(saved.occupied[0], 0);
    EXPECT_STREQ(saved.item_text[1], ("@TMoved@1" + moved_file).c_str());
    EXPECT_EQ(saved_links().links[0][1], 7);
    EXPECT_TRUE(file_exists(moved_file));
    EXPECT_FALSE(file_exists(lost_file));
}

TEST_F(Commands, ExchangeSwapsItemsAndConnectionsDroppingSelfLinks)
{
    PanelSet set = empty_set();
    put_item(set, 1, "@EOne@1a@b");
    put_item(set, 4, "@EFour@1a@b");
    ConnectionTable links = {};
    links.links[0][0] = 7; // 1 -> 7
    links.links[0][3] = 1; // 4 -> 1
    start(set, &links);
    answerer.expect("Overwrite / Exchange", DialogAnswerer::press_button(IDC_EXCHANGE));
    command(1, ID_MOVE_TO_1 + 3);
    PanelSet saved = saved_set();
    EXPECT_STREQ(saved.item_text[0], "@EFour@1a@b");
    EXPECT_STREQ(saved.item_text[3], "@EOne@1a@b");
    EXPECT_EQ(saved.occupied[0], 1);
    EXPECT_EQ(saved.occupied[3], 1);
    ConnectionTable table = saved_links();
    EXPECT_EQ(table.links[0][0], 0) << "panel 1 would name itself";
    EXPECT_EQ(table.links[0][3], 7);
    EXPECT_EQ(text(IDC_PANEL4_LINK), "7");
}

TEST_F(Commands, CancelOrEnterInTheOverwriteQuestionChangesNothing)
{
    PanelSet set = empty_set();
    put_item(set, 1, "@EOne@1a@b");
    put_item(set, 2, "@ETwo@1a@b");
    start(set);
    DeleteFileA(path("Launcher.lst").c_str());
    answerer.expect("Overwrite / Exchange", DialogAnswerer::press_button(IDCANCEL));
    answerer.expect("Overwrite / Exchange", DialogAnswerer::press_button(IDOK));
    command(1, ID_MOVE_TO_1 + 1);
    command(1, ID_MOVE_TO_1 + 1);
    EXPECT_FALSE(file_exists(path("Launcher.lst")));
    EXPECT_STREQ(panel_sets[0].item_text[0], "@EOne@1a@b");
    EXPECT_EQ(command_ready, 0) << "the guard is running again after a cancel";
}

TEST_F(Commands, ConnectRefusesItselfAndEmptyPanelsAndRemoveClears)
{
    PanelSet set = empty_set();
    put_item(set, 1, "@EOne@1a@b");
    put_item(set, 8, "@EEight@1a@b");
    start(set);
    answerer.expect("Error Message", DialogAnswerer::acknowledge_error());
    answerer.expect("Error Message", DialogAnswerer::acknowledge_error());
    command(1, ID_CONNECT_WITH_1);
    command(1, ID_CONNECT_WITH_1 + 1);
    ASSERT_EQ(DialogAnswerer::error_texts().size(), 2u);
    EXPECT_EQ(DialogAnswerer::error_texts()[0], "The self-connection is not available.");
    EXPECT_EQ(DialogAnswerer::error_texts()[1], "The destination panel is empty.");
    EXPECT_FALSE(file_exists(path("Launcher.con")));

    command(1, ID_CONNECT_WITH_8);
    EXPECT_EQ(saved_links().links[0][0], 8);
    EXPECT_EQ(text(IDC_PANEL1_LINK), "8");
    command(1, ID_REMOVE_CONNECTION);
    EXPECT_EQ(saved_links().links[0][0], 0);
    EXPECT_EQ(text(IDC_PANEL1_LINK), " ");
}

TEST_F(Commands, ASecondCommandWithin300MillisecondsIsIgnored)
{
    PanelSet set = empty_set();
    put_item(set, 1, "@EOne@1a@b");
    put_item(set, 2, "@ETwo@1a@b");
    start(set);
    selected_panel = 1;
    SendMessageA(window, WM_COMMAND, ID_EMPTY, 0);
    selected_panel = 2;
    SendMessageA(window, WM_COMMAND, ID_EMPTY, 0);
    EXPECT_EQ(panel_sets[0].occupied[0], 0);
    EXPECT_EQ(panel_sets[0].occupied[1], 1) << "ignored within 300 ms";
    EXPECT_TRUE(pump_until([] { return command_ready == 1; })) << "the guard never ended";
    SendMessageA(window, WM_COMMAND, ID_EMPTY, 0);
    EXPECT_EQ(panel_sets[0].occupied[1], 0);
}

// --- Emailer and Text Clipboard items ----------------------------------------------------------

TEST_F(Commands, EmailerIsAddedThroughItsDialogWithinItsLimits)
{
    start(empty_set());
    std::string long_name(25, 'n');
    std::string long_addresses(1000, 'a');
    answerer.expect("Emailer", [](HWND dialog) { DialogAnswerer::press(dialog, IDOK); });
    answerer.expect("Error Message", DialogAnswerer::acknowledge_error());
    answerer.expect("Emailer", [](HWND dialog) {
        DialogAnswerer::type(dialog, IDC_DISPLAY_NAME, "Team");
        DialogAnswerer::press(dialog, IDOK);
    });
    answerer.expect("Error Message", DialogAnswerer::acknowledge_error());
    answerer.expect("Emailer", [=](HWND dialog) {
        DialogAnswerer::type(dialog, IDC_DISPLAY_NAME, long_name);
        DialogAnswerer::type(dialog, IDC_EMAIL_ADDRESS, long_addresses);
        DialogAnswerer::press(dialog, IDOK);
    });
    command(3, ID_ADD_EMAILER);
    ASSERT_EQ(DialogAnswerer::error_texts().size(), 2u);
    EXPECT_EQ(DialogAnswerer::error_texts()[0], "Please enter the display name.");
    EXPECT_EQ(DialogAnswerer::error_texts()[1], "Please enter the email address.");
    std::string expected = "@E" + std::string(19, 'n') + "@1" + std::string(949, 'a');
    EXPECT_STREQ(saved_set().item_text[2], expected.c_str());
    EXPECT_EQ(text(IDC_PANEL3_NAME), std::string(19, 'n'));

    // Editing shows the stored fields; Cancel keeps the item.
    answerer.expect("Emailer", [](HWND dialog) {
        char name[64] = {};
        GetDlgItemTextA(dialog, IDC_DISPLAY_NAME, name, sizeof name);
        DialogAnswerer::error_texts().push_back(name);
        DialogAnswerer::press(dialog, IDCANCEL);
    });
    command(3, ID_PROPERTIES);
    EXPECT_EQ(DialogAnswerer::error_texts().back(), std::string(19, 'n'));
    EXPECT_STREQ(saved_set().item_text[2], expected.c_str());
}

// A settings dialog opened over another dialog is counted and cancelled, so that a failure
// does not hang the test.
int second_dialogs;

void CALLBACK cancel_second_dialog(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    for (const char* caption : {"Options", "Chords and keys"}) {
        if (HWND second = FindWindowA("#32770", caption)) {
            second_dialogs += 1;
            DialogAnswerer::press(second, IDCANCEL);
        }
    }
}

TEST_F(Commands, ActivationsWhileADialogIsOpenLeaveItsPanelAndSetAlone)
{
    start(empty_set());
    options.delayed_launching = 1; // a chord would otherwise show the window at once
    SendMessageA(window, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
    ASSERT_EQ(section, 1) << "the dialog opens over the left section";
    static HWND launcher;
    launcher = window;
    answerer.expect("Emailer", [](HWND dialog) {
        struct Request {
            const char* name;
            void (*send)();
        } const requests[] = {
            {"a chord", [] { SendMessageA(launcher, WM_CHORD_ACTIVATE, 0, 0); }},
            {"the delay's end",
             [] {
                 activation_pending = 1;
                 SendMessageA(launcher, WM_TIMER, TIMER_DELAYED_ACTIVATION, 0);
             }},
            {"a tray double click", [] { SendMessageA(launcher, WM_TRAY_NOTIFY, TRAY_ICON_ID, WM_LBUTTONDBLCLK); }},
            {"the tray's Activate",
             [] {
                 command_ready = 1;
                 SendMessageA(launcher, WM_COMMAND, ID_ACTIVATE, 0);
             }},
            {"the tray's Options",
             [] {
                 command_ready = 1;
                 SendMessageA(launcher, WM_COMMAND, ID_OPTIONS, 0);
             }},
            {"the tray's Chords and keys",
             [] {
                 command_ready = 1;
                 SendMessageA(launcher, WM_COMMAND, ID_CHORDS_AND_KEYS, 0);
             }},
        };
        second_dialogs = 0;
        for (const Request& request : requests) {
            SetTimer(nullptr, 0, 300, cancel_second_dialog);
            request.send();
            EXPECT_EQ(second_dialogs, 0) << request.name;
            EXPECT_EQ(section, 1) << request.name;
            EXPECT_TRUE(IsWindow(dialog)) << request.name;
        }
        EXPECT_FALSE(KillTimer(launcher, TIMER_DELAYED_ACTIVATION)) << "no activation waits for the dialog's end";
        DialogAnswerer::type(dialog, IDC_DISPLAY_NAME, "Team");
        DialogAnswerer::type(dialog, IDC_EMAIL_ADDRESS, "team@example.com");
        DialogAnswerer::press(dialog, IDOK);
    });
    command(2, ID_ADD_EMAILER);
    EXPECT_STREQ(panel_sets[1].item_text[1], "@ETeam@1team@example.com");
    EXPECT_EQ(panel_sets[0].occupied[1], 0) << "written into the centre set";
    EXPECT_EQ(section, 1);
}

TEST_F(Commands, ChordsAndKeysAppliesOnlyThePauseItChanged)
{
    start(empty_set());
    static HWND launcher;
    launcher = window;
    // Paused from the tray while the dialog is open, Apply without touching the dialog's box
    // keeps the pause; the box ticked in the dialog pauses.
    static struct {
        bool from_tray;
        bool tick_box;
    } step;
    for (bool from_tray : {true, false}) {
        set_chords_paused(false);
        step = {from_tray, !from_tray};
        answerer.expect("Chords and keys", [](HWND dialog) {
            if (step.from_tray) {
                command_ready = 1;
                SendMessageA(launcher, WM_COMMAND, ID_PAUSE_CHORDS, 0);
            }
            if (step.tick_box) {
                CheckDlgButton(dialog, IDC_PAUSE_CHORDS, BST_CHECKED);
            }
            DialogAnswerer::press(dialog, IDOK);
        });
        command(0, ID_CHORDS_AND_KEYS);
        EXPECT_EQ(chord_settings.paused, 1) << (from_tray ? "paused from the tray" : "ticked in the dialog");
    }
}

TEST_F(Commands, ADialogsAnswerForASetNoLongerShownIsRefused)
{
    PanelSet set = empty_set();
    put_item(set, 1, "@EOne@1one@example.com");
    put_item(set, 3, "@EThree@1three@example.com");
    std::string note = make_text_file("note.txt", "before");
    put_item(set, 4, "@TNote@1" + note);
    start(set);
    // Whatever changed the set under the open dialog (the activation guard keeps this from
    // happening through the window's own requests), the answer must not land elsewhere.
    struct Case {
        const char* caption;
        int panel;
        WORD command;
        int answer;
    } const cases[] = {
        {"Emailer", 2, ID_ADD_EMAILER, IDOK},
        {"Text Clipboard", 2, ID_ADD_TEXT_CLIPBOARD, IDOK},
        {"Emailer", 1, ID_PROPERTIES, IDOK},
        {"Text Clipboard", 4, ID_PROPERTIES, IDOK},
        {"Overwrite / Exchange", 1, ID_MOVE_TO_1 + 2, IDC_OVERWRITE},
    };
    for (const Case& c : cases) {
        static int answer;
        answer = c.answer;
        answerer.expect(c.caption, [](HWND dialog) {
            if (GetDlgItem(dialog, IDC_DISPLAY_NAME) != nullptr) {
                DialogAnswerer::type(dialog, IDC_DISPLAY_NAME, "Changed");
            }
            if (GetDlgItem(dialog, IDC_EMAIL_ADDRESS) != nullptr) {
                DialogAnswerer::type(dialog, IDC_EMAIL_ADDRESS, "changed@example.com");
            }
            if (GetDlgItem(dialog, IDC_TEXT) != nullptr) {
                DialogAnswerer::type(dialog, IDC_TEXT, "changed");
            }
            section = 1;
            select_current_set();
            DialogAnswerer::press(dialog, answer);
        });
        answerer.expect("Error Message", DialogAnswerer::acknowledge_error());
        command(c.panel, c.command);
        ASSERT_TRUE(answerer.all_answered()) << c.caption << ": the answer was taken";
        EXPECT_EQ(DialogAnswerer::error_texts().back(),
                  "The panels changed while the dialog was open; nothing was changed.")
            << c.caption;
        EXPECT_EQ(std::memcmp(&panel_sets[0], &set, sizeof set), 0) << c.caption << ": the centre set changed";
        const PanelSet empty = empty_set();
        const PanelSet saved = saved_set();
        EXPECT_EQ(std::memcmp(&panel_sets[1], &empty, sizeof set), 0) << c.caption << ": written elsewhere";
        EXPECT_EQ(std::memcmp(&saved, &set, sizeof set), 0) << c.caption;
        section = 0;
        select_current_set();
    }
    EXPECT_EQ(read_text(note), "before") << "the edited item's text was rewritten";
    int text_files = 0;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\Text\\*.txt").c_str(), &found);
    for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found)) {
        ++text_files;
    }
    FindClose(search);
    EXPECT_EQ(text_files, 1) << "a text file was made for a refused item";
}

TEST_F(Commands, ADisplayNameHoldingTheSeparatorIsRefusedInBothDialogs)
{
    start(empty_set());
    for (const char* caption : {"Emailer", "Text Clipboard"}) {
        answerer.expect(caption, [](HWND dialog) {
            DialogAnswerer::type(dialog, IDC_DISPLAY_NAME, "Team@1st");
            if (GetDlgItem(dialog, IDC_EMAIL_ADDRESS) != nullptr) {
                DialogAnswerer::type(dialog, IDC_EMAIL_ADDRESS, "a@b");
            }
            DialogAnswerer::press(dialog, IDOK);
        });
        answerer.expect("Error Message", DialogAnswerer::acknowledge_error());
        answerer.expect(caption, DialogAnswerer::press_button(IDCANCEL));
    }
    command(1, ID_ADD_EMAILER);
    command(2, ID_ADD_TEXT_CLIPBOARD);
    EXPECT_EQ(DialogAnswerer::error_texts(), std::vector<std::string>(2, "The display name cannot contain \"@1\"."));
    EXPECT_EQ(panel_sets[0].occupied[0], 0);
    EXPECT_EQ(panel_sets[0].occupied[1], 0);
}

TEST_F(Commands, TextItemKeepsItsLinesWholeInTheFileAndBack)
{
    start(empty_set());
    answerer.expect("Text Clipboard", [](HWND dialog) {
        DialogAnswerer::type(dialog, IDC_DISPLAY_NAME, "Lines");
        DialogAnswerer::type(dialog, IDC_TEXT, "a\n\nb");
        DialogAnswerer::press(dialog, IDOK);
    });
    command(4, ID_ADD_TEXT_CLIPBOARD);
    std::string item = saved_set().item_text[3];
    ASSERT_EQ(item.rfind("@TLines@1", 0), 0u) << item;
    std::string file = item.substr(9);
    EXPECT_EQ(file.rfind(folder + "\\Text\\", 0), 0u);
    std::string name = file.substr(file.rfind('\\') + 1);
    EXPECT_TRUE(name.size() == 20 || name.size() == 21) << name;
    EXPECT_EQ(read_text(file), "a\r\n\r\nb");

    // Long lines are stored and read back whole, through the edit dialog too.
    std::string long_text = std::string(300, 'x') + "\r\n" + std::string(5000, 'y');
    write_bytes(file, long_text.data(), long_text.size());
    answerer.expect("Text Clipboard", [](HWND dialog) { DialogAnswerer::press(dialog, IDOK); });
    command(4, ID_PROPERTIES);
    EXPECT_EQ(read_text(file), long_text);
    EXPECT_STREQ(saved_set().item_text[3], item.c_str()) << "an edit keeps the file name";

    // The clipboard receives exactly the file's text.
    ASSERT_EQ(copy_text_file_to_clipboard(file.c_str()), COPY_DONE);
    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE data = GetClipboardData(CF_TEXT);
    ASSERT_NE(data, nullptr);
    std::string clipboard = static_cast<const char*>(GlobalLock(data));
    GlobalUnlock(data);
    CloseClipboard();
    EXPECT_EQ(clipboard, long_text);

    EXPECT_EQ(copy_text_file_to_clipboard((folder + "\\Text\\missing.txt").c_str()), COPY_FILE_MISSING);
}

TEST_F(Commands, TextItemNeedsANameAndCancelCreatesNoFile)
{
    start(empty_set());
    answerer.expect("Text Clipboard", [](HWND dialog) {
        DialogAnswerer::type(dialog, IDC_TEXT, "text without a name");
        DialogAnswerer::press(dialog, IDOK);
    });
    answerer.expect("Error Message", DialogAnswerer::acknowledge_error());
    answerer.expect("Text Clipboard", DialogAnswerer::press_button(IDCANCEL));
    command(2, ID_ADD_TEXT_CLIPBOARD);
    EXPECT_EQ(DialogAnswerer::error_texts().at(0), "Please enter the display name.");
    EXPECT_EQ(panel_sets[0].occupied[1], 0);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\Text\\*.txt").c_str(), &found);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE) << "a file was created: " << found.cFileName;
    if (search != INVALID_HANDLE_VALUE) {
        FindClose(search);
    }
}

TEST_F(Commands, ATextEditThatCannotBeWrittenKeepsTheOldTextAndTheDialogOpen)
{
    struct Case {
        const char* what;
        std::string folder; // the Text folder of the case
        void (*prepare)(const std::string& file, const std::string& folder);
    };
    std::string small = small_fs_folder();
    const Case cases[] = {
        {"a read-only text file", folder + "\\Text",
         [](const std::string& file, const std::string&) {
             SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY);
         }},
        // No room left for the new text (needs a small file system, mounted only by root).
        {"a full disk", small, [](const std::string&, const std::string& full) { fill_up(full + "\\filler"); }},
    };
    PanelSet set = empty_set();
    for (int i = 0; i < 2; ++i) {
        put_item(set, i + 1, "@TNote@1" + cases[i].folder + "\\2007030310040507.txt");
    }
    start(set);
    std::string own_text_folder = text_folder;
    for (int i = 0; i < 2; ++i) {
        const Case& c = cases[i];
        if (c.folder.empty()) {
            std::printf("skipped: %s (no small file system was mounted for this run)\n", c.what);
            continue;
        }
        std::string file = c.folder + "\\2007030310040507.txt";
        write_bytes(file, "old text", 8);
        c.prepare(file, c.folder);
        std::strcpy(text_folder, c.folder.c_str());
        DialogAnswerer::error_texts().clear();
        std::string longer(16 * 1024, 'n');
        answerer.expect("Text Clipboard", [&](HWND dialog) {
            SetDlgItemTextA(dialog, IDC_TEXT, longer.c_str());
            DialogAnswerer::press(dialog, IDOK);
        });
        answerer.expect("Error Message", DialogAnswerer::acknowledge_error());
        answerer.expect("Text Clipboard", DialogAnswerer::press_button(IDCANCEL));
        command(i + 1, ID_PROPERTIES);
        DeleteFileA((c.folder + "\\filler").c_str());
        std::strcpy(text_folder, own_text_folder.c_str());

        std::string kept = read_text(file);
        EXPECT_TRUE(kept == "old text") << c.what << ": " << kept.size() << " bytes: " << kept.substr(0, 20);
        EXPECT_FALSE(file_exists(file + ".tmp")) << c.what;
        ASSERT_EQ(DialogAnswerer::error_texts().size(), 1u) << c.what;
        const std::string why = "Vantrel could not save the text: ";
        const std::string& shown = DialogAnswerer::error_texts()[0];
        EXPECT_EQ(shown.rfind(why, 0), 0u) << c.what << ": " << shown;
        EXPECT_GT(shown.size(), why.size() + 5) << c.what << ": the system's reason follows";
        SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(file.c_str());
    }
}

TEST_F(Commands, TextItemsNamingFilesOutsideTheTextFolderNeverHaveThemWrittenOrDeleted)
{
    std::string document = make_file("report.doc", "precious");
    std::string climbed = make_file("climbed.txt", "also precious");
    std::string own = folder + "\\Text\\2007030310040507.txt";
    write_bytes(own, "own", 3);
    PanelSet set = empty_set();
    put_item(set, 1, "@TOutside@1" + document);
    put_item(set, 2, "@TClimb@1" + folder + "\\Text\\..\\test-files\\climbed.txt");
    put_item(set, 3, "@TDropped on@1" + document);
    put_item(set, 4, "@TOwn@1" + own);
    put_item(set, 5, "@TEdited@1" + document);
    start(set);

    command(1, ID_EMPTY);
    command(2, ID_EMPTY);
    answerer.expect("Program/file registration", DialogAnswerer::press_button(IDOK));
    drop({make_file("new.txt")}, PANEL_POINTS[3]);
    command(4, ID_EMPTY);
    PanelSet saved = saved_set();
    EXPECT_EQ(saved.occupied[0], 0) << "the item goes";
    EXPECT_EQ(saved.occupied[1], 0);
    EXPECT_EQ(read_text(document), "precious");
    EXPECT_EQ(read_text(climbed), "also precious");
    EXPECT_FALSE(file_exists(own)) << "an own text file is deleted with its item";

    DialogAnswerer::answered().clear();
    answerer.expect("Error Message", DialogAnswerer::acknowledge_error());
    command(5, ID_PROPERTIES);
    ASSERT_EQ(DialogAnswerer::error_texts().size(), 1u);
    EXPECT_EQ(DialogAnswerer::error_texts()[0],
              "The text of this item is kept outside Vantrel's Text folder, so Vantrel does not change it.");
    EXPECT_EQ(DialogAnswerer::answered(), std::vector<std::string>{"Error Message"}) << "no edit dialog opens";
    EXPECT_EQ(read_text(document), "precious");
}

TEST_F(Commands, ATextFileTooLargeOrNoPlainFileIsRefusedInWordsNeverReadWhole)
{
    std::string large = folder + "\\Text\\2007030310040507.txt";
    std::string text(TEXT_SIZE_LIMIT + 1, 't');
    write_bytes(large, text.data(), text.size());
    // A named pipe that the test run makes beside the folder of the test programs.
    std::string fifo = test_program_folder() + "\\..\\test-fifo";
    struct Case {
        std::string path;
        int copy_result;
        const char* message;
    };
    const char* too_large = "The text file is too large: a text holds at most 262144 bytes.";
    const char* no_file = "The text file is not an ordinary file, so Vantrel does not read it.";
    std::vector<Case> cases = {
        {large, COPY_TOO_LARGE, too_large},
        {folder + "\\Text\\NUL", COPY_NOT_A_FILE, no_file},
        {folder + "\\Text\\con.txt", COPY_NOT_A_FILE, no_file},
        {folder + "\\Text", COPY_NOT_A_FILE, no_file},
    };
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(fifo.c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        FindClose(search);
        cases.push_back({fifo, COPY_NOT_A_FILE, no_file});
    } else {
        ADD_FAILURE() << "the test run made no named pipe at " << fifo;
    }
    for (const Case& c : cases) {
        EXPECT_EQ(copy_text_file_to_clipboard(c.path.c_str()), c.copy_result) << c.path;
    }
    // Editing the large text would cut it: the dialog does not open.
    PanelSet set = empty_set();
    put_item(set, 1, "@TLarge@1" + large);
    start(set);
    answerer.expect("Error Message", DialogAnswerer::acknowledge_error());
    command(1, ID_PROPERTIES);
    EXPECT_EQ(DialogAnswerer::answered(), std::vector<std::string>{"Error Message"});
    EXPECT_EQ(DialogAnswerer::error_texts(), std::vector<std::string>{too_large});
    EXPECT_EQ(read_bytes(large).size(), text.size());
    DeleteFileA(large.c_str());
}

TEST_F(Commands, ATextFileNameAlreadyTakenStepsToTheNextMillisecond)
{
    start(empty_set());
    LocalTime time = {2007, 3, 3, 10, 4, 5, 7};
    char first[PATH_BUFFER_SIZE] = {};
    char second[PATH_BUFFER_SIZE] = {};
    HANDLE file = create_text_file_at(time, first, sizeof first);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, "first", 5, &written, nullptr);
    CloseHandle(file);
    file = create_text_file_at(time, second, sizeof second);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
    EXPECT_EQ(std::string(first), folder + "\\Text\\2007030310040507.txt");
    EXPECT_EQ(std::string(second), folder + "\\Text\\2007030310040508.txt");
    EXPECT_EQ(read_text(first), "first");

    time.milliseconds = 123;
    file = create_text_file_at(time, first, sizeof first);
    CloseHandle(file);
    EXPECT_EQ(std::string(first), folder + "\\Text\\20070303100405123.txt");
}

} // namespace
