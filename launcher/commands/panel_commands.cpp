#include "chord_settings.h"
#include "chords_keys_dialog.h"
#include "panel_commands.h"

#include <shellapi.h>

#include "connections.h"
#include "error_dialog.h"
#include "item_dialogs.h"
#include "launch_pipeline.h"
#include "options_dialog.h"
#include "tray.h"
#include "launcher_window.h"
#include "panel_edits.h"
#include "panel_set.h"
#include "panel_view.h"
#include "pointer.h"
#include "popup_menu.h"
#include "resource.h"

int selected_panel;
int command_ready = 1;

namespace {

enum OverwriteChoice { CHOICE_EXCHANGE = 1, CHOICE_OVERWRITE = 2, CHOICE_CANCEL = 3 };

INT_PTR CALLBACK overwrite_exchange_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM)
{
    if (message == WM_INITDIALOG) {
        return TRUE;
    }
    if (message != WM_COMMAND) {
        return FALSE;
    }
    switch (LOWORD(wparam)) {
    case IDC_EXCHANGE:
        EndDialog(dialog, CHOICE_EXCHANGE);
        return TRUE;
    case IDC_OVERWRITE:
        EndDialog(dialog, CHOICE_OVERWRITE);
        return TRUE;
    case IDOK:
    case IDCANCEL:
        EndDialog(dialog, CHOICE_CANCEL);
        return TRUE;
    default:
        return FALSE;
    }
}

bool occupied(int panel)
{
    return is_occupied(*current_set, panel);
}

void delete_text_file_of(int panel)
{
    delete_own_text_file(current_set->item_text[panel - 1]);
}

void start_command_guard(HWND window)
{
    command_ready = 0;
    SetTimer(window, TIMER_COMMAND_READY, 300, nullptr);
}

void run_command(WORD command)
{
    if (command >= ID_MOVE_TO_1 && command <= ID_MOVE_TO_8) {
        move_panel(command - ID_MOVE_TO_1 + 1);
    } else if (command >= ID_CONNECT_WITH_1 && command <= ID_CONNECT_WITH_8) {
        connect_panel(command - ID_CONNECT_WITH_1 + 1);
    }
    switch (command) {
    case ID_ACTIVATE:
        activate_launcher_window();
        break;
    case ID_SHUTDOWN:
        shutdown_launcher();
        break;
    case ID_EMPTY:
        empty_panel(selected_panel, true);
        break;
    case ID_OPEN_DATA_FOLDER:
        open_data_folder();
        break;
    // One settings dialog at a time: the tray menu still opens over an open dialog, and
    // a second one would work on the first one's copy of the settings.
    case ID_OPTIONS:
        if (!defer_to_open_dialog()) {
            open_options_dialog();
        }
        break;
    case ID_CHORDS_AND_KEYS:
        if (!defer_to_open_dialog()) {
            open_chords_keys_dialog(main_window);
        }
        break;
    case ID_PAUSE_CHORDS:
        set_chords_paused(chord_settings.paused != 1);
        break;
    case ID_MANUAL:
        open_manual();
        break;
    case ID_VISIT_MAKER:
        open_maker_site();
        break;
    case ID_REMOVE_CONNECTION:
        remove_connection();
        break;
    case ID_PROPERTIES:
        show_item_properties();
        break;
    case ID_ADD_EMAILER:
        add_emailer();
        break;
    case ID_ADD_TEXT_CLIPBOARD:
        add_text_clipboard();
        break;
    default:
        break;
    }
}

} // namespace

void show_panel_menu(HWND window, int x, int y)
{
    if (startup_complete == 0) {
        return;
    }
    int panel = hit_test_panel(x, y);
    if (panel == 0) {
        return;
    }
    selected_panel = panel;
    track_popup_menu(window, occupied(panel) ? IDM_OCCUPIED_PANEL : IDM_EMPTY_PANEL);
}

void dispatch_command(HWND window, WORD command)
{
    if (command_ready == 0) {
        return;
    }
    run_command(command);
    start_command_guard(window);
}

void on_command_ready_timer(HWND window)
{
    KillTimer(window, TIMER_COMMAND_READY);
    command_ready = 1;
}

CommandTarget current_command_target()
{
    return CommandTarget{current_set, selected_panel};
}

bool command_target_still_current(const CommandTarget& target)
{
    if (target.set == current_set && target.panel == selected_panel) {
        return true;
    }
    show_error_message("The panels changed while the dialog was open; nothing was changed.");
    return false;
}

void empty_panel(int panel, bool delete_text_file)
{
    if (panel < 1 || panel > PANELS_PER_SET || !occupied(panel)) {
        return;
    }
    if (delete_text_file) {
        delete_text_file_of(panel);
    }
    clear_panel(panel);
    save_panel_data();
    save_connections();
    refresh_panels(panel);
}

void move_panel(int target)
{
    int source = selected_panel;
    if (source < 1 || source > PANELS_PER_SET || !occupied(source) || target == source) {
        return;
    }
    if (!occupied(target)) {
        move_item(source, target);
    } else {
        CommandTarget opened_for = current_command_target();
        INT_PTR choice = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_OVERWRITE_EXCHANGE),
                                         main_window, overwrite_exchange_proc, 0);
        if (choice != CHOICE_CANCEL && !command_target_still_current(opened_for)) {
            return;
        }
        if (choice == CHOICE_OVERWRITE) {
            delete_text_file_of(target);
            move_item(source, target);
        } else if (choice == CHOICE_EXCHANGE) {
            exchange_items(source, target);
        } else {
            start_command_guard(main_window);
            return;
        }
    }
    save_connections();
    refresh_panels(source);
    refresh_panels(target);
    save_panel_data();
}

void connect_panel(int target)
{
    if (target == selected_panel) {
        show_error_message("The self-connection is not available.");
        return;
    }
    if (!occupied(target)) {
        show_error_message("The destination panel is empty.");
        return;
    }
    set_linked_panel(selected_panel, target);
    refresh_panels(selected_panel);
    save_connections();
}

void remove_connection()
{
    set_linked_panel(selected_panel, 0);
    refresh_panels(selected_panel);
    save_connections();
}

void show_item_properties()
{
    if (selected_panel < 1 || selected_panel > PANELS_PER_SET || !occupied(selected_panel)) {
        return;
    }
    const char* item = current_set->item_text[selected_panel - 1];
    if (is_emailer_item(item)) {
        edit_emailer();
        return;
    }
    if (is_text_item(item)) {
        edit_text_clipboard();
        return;
    }
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_INVOKEIDLIST | SEE_MASK_FLAG_NO_UI;
    info.hwnd = main_window;
    info.lpVerb = "properties";
    info.lpFile = item;
    info.nShow = SW_SHOW;
    if (!ShellExecuteExA(&info)) {
        MessageBoxA(main_window, item, "File Location", MB_ICONINFORMATION | MB_OK);
    }
}
