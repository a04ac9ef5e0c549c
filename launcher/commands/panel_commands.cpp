#include "commands/panel_commands.h"

#include <shellapi.h>

#include "commands/command_target.h"
#include "commands/error_dialog.h"
#include "commands/item_dialogs.h"
#include "commands/panel_edits.h"
#include "commands/text_files.h"
#include "resources/resource.h"
#include "state/window_state.h"
#include "store/connections.h"
#include "store/panel_set.h"
#include "view/panel_view.h"
#include "window/popup_menu.h"

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

} // namespace

void show_panel_menu(HWND window, int panel)
{
    if (startup_complete == 0 || panel == 0) {
        return;
    }
    selected_panel = panel;
    track_popup_menu(window, occupied(panel) ? IDM_OCCUPIED_PANEL : IDM_EMPTY_PANEL);
}

void start_command_guard(HWND window)
{
    command_ready = 0;
    SetTimer(window, TIMER_COMMAND_READY, 300, nullptr);
}

bool run_panel_command(WORD command)
{
    if (command >= ID_MOVE_TO_1 && command <= ID_MOVE_TO_8) {
        move_panel(command - ID_MOVE_TO_1 + 1);
        return true;
    }
    if (command >= ID_CONNECT_WITH_1 && command <= ID_CONNECT_WITH_8) {
        connect_panel(command - ID_CONNECT_WITH_1 + 1);
        return true;
    }
    switch (command) {
    case ID_EMPTY:
        empty_panel(selected_panel, true);
        return true;
    case ID_REMOVE_CONNECTION:
        remove_connection();
        return true;
    case ID_PROPERTIES:
        show_item_properties();
        return true;
    case ID_ADD_EMAILER:
        add_emailer();
        return true;
    case ID_ADD_TEXT_CLIPBOARD:
        add_text_clipboard();
        return true;
    default:
        return false;
    }
}

void on_command_ready_timer(HWND window)
{
    KillTimer(window, TIMER_COMMAND_READY);
    command_ready = 1;
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
