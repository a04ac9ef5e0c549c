#include "launch/launch_pipeline.h"

#include <shellapi.h>

#include <cstdio>
#include <cstring>

#include "chords/chord_hook.h"
#include "commands/clipboard_copier.h"
#include "commands/error_dialog.h"
#include "commands/command_target.h"
#include "commands/text_files.h"
#include "files/paths.h"
#include "launch/browser_command.h"
#include "launch/launch_chain.h"
#include "launch/shell_errors.h"
#include "launch/url_file.h"
#include "options/options.h"
#include "options/sound.h"
#include "state/window_state.h"
#include "store/flag.h"
#include "store/panel_set.h"
#include "window/show_hide.h"

namespace {

bool is_internet_shortcut(const char* item)
{
    return std::strstr(item, ".url") != nullptr || std::strstr(item, ".URL") != nullptr ||
           std::strstr(item, ".Url") != nullptr;
}

// A result above 32 is success: the window hides once the started program is up. Anything
// else is the shell's refusal.
void finish_shell_start(HINSTANCE result)
{
    INT_PTR code = reinterpret_cast<INT_PTR>(result);
    if (code > 32) {
        hide_after_start(main_window);
    } else {
        show_shell_error(static_cast<int>(code));
    }
}

void start_emailer(const char* item)
{
    char addresses[ITEM_DATA_SIZE] = {};
    char address[1025] = {};
    get_item_data(item, addresses);
    std::snprintf(address, sizeof address, "mailto:%s", addresses);
    finish_shell_start(ShellExecuteA(nullptr, nullptr, address, nullptr, nullptr, SW_SHOWDEFAULT));
}

void start_text_clipboard(const char* item)
{
    char path[ITEM_DATA_SIZE] = {};
    get_item_data(item, path);
    int result = copy_text_file_to_clipboard(path);
    if (result == COPY_FILE_MISSING) {
        show_error_message("The internal text file contains text to be copied does not found.");
    } else if (result == COPY_NO_EDIT_BOX) {
        show_error_message("An internal error occurs while copying text to the clipboard.");
    } else if (text_file_refusal(result) != nullptr) {
        show_error_message(text_file_refusal(result));
    }
    hide_launcher_window(main_window);
}

void start_path(int n, const char* item, const char* folder)
{
    if (is_internet_shortcut(item) && flag_on(options.open_in_new_browser) && open_in_browser_window(n - 1) == 1) {
        hide_after_start(main_window);
        return;
    }
    finish_shell_start(ShellExecuteA(nullptr, nullptr, item, nullptr, folder, SW_SHOWDEFAULT));
}

// One panel of a chain: the launching sound, then the item started by its form.
void start_panel(int n)
{
    // The next panel of a chain starts with the window hidden, as any message about it
    // then shows: only the last start keeps the window up while its program comes up.
    if (hide_after_start_pending()) {
        hide_launcher_window(main_window);
    }
    const char* item = current_set->item_text[n - 1];
    char folder[WORKING_FOLDER_SIZE] = {};
    if (!is_special_item(item)) {
        get_item_folder(n, folder);
    }
    play_sound_effect(SOUND_LAUNCHING);
    if (is_emailer_item(item)) {
        start_emailer(item);
    } else if (is_text_item(item)) {
        start_text_clipboard(item);
    } else {
        start_path(n, item, folder);
    }
}

} // namespace

void get_item_folder(int n, char* buffer)
{
    get_item_folder_of(current_set->item_text[n - 1], buffer);
}

void launch_panel(int n)
{
    walk_launch_chain(n, start_panel);
}

void launch_from_panel(int n)
{
    if (startup_complete == 0 || n < 1 || n > 8 || !is_occupied(*current_set, n) || launch_allowed == 0) {
        return;
    }
    selected_panel = n;
    remove_chord_hook(false);
    launch_allowed = 0;
    clear_launched_panels();
    launch_panel(n);
    launch_allowed = 1;
    install_chord_hook(false);
}

void open_data_folder()
{
    ShellExecuteA(nullptr, "open", data_folder, nullptr, ".", SW_SHOWNORMAL);
}

void find_default_browser(char* buffer)
{
    char probe[1025] = {};
    std::snprintf(probe, sizeof probe, "%s\\VantrelTemp.htm", data_folder);
    HFILE file = _lcreat(probe, 0);
    if (file != HFILE_ERROR) {
        _lclose(file);
    }
    FindExecutableA(probe, nullptr, buffer);
    DeleteFileA(probe);
}

int open_in_browser_window(int index)
{
    char command[BROWSER_COMMAND_SIZE] = {};
    char browser[BROWSER_PATH_SIZE] = {};
    char address[URL_ADDRESS_SIZE] = {};
    find_default_browser(browser);
    if (!read_url_file(current_set->item_text[index], address, sizeof address) ||
        !build_browser_command_line(command, sizeof command, browser, address)) {
        return 0;
    }
    // The browser's own start-up information: none of the launcher's title (the shortcut it
    // was started from, say), show command or window placement.
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS, nullptr, "C:\\", &startup,
                        &process)) {
        return 0;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 1;
}

void show_shell_error(int code)
{
    // The registered-trademark sign in this system's code page, or "(R)" where it has none.
    char sign[8] = {};
    BOOL used_default = FALSE;
    int length =
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, L"\u00AE", 1, sign, sizeof sign - 1, nullptr, &used_default);
    char message[ERROR_MESSAGE_SIZE] = {};
    format_shell_error(code, length > 0 && !used_default ? sign : nullptr, message, sizeof message);
    show_error_message(message);
}
