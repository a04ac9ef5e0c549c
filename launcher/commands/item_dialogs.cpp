#include "commands/item_dialogs.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "commands/error_dialog.h"
#include "commands/command_target.h"
#include "commands/text_file_place.h"
#include "commands/text_files.h"
#include "files/path_join.h"
#include "files/paths.h"
#include "resources/resource.h"
#include "state/window_state.h"
#include "store/panel_set.h"
#include "store/record_file.h"
#include "view/panel_view.h"

ItemEditFields emailer_fields;
ItemEditFields text_fields;
int editing_text_item;

namespace {

// The text of the item being edited, read before its dialog opens.
std::string edited_text;

enum DialogMode { MODE_ADD = 0, MODE_EDIT = 1 };

std::string edit_text(HWND edit)
{
    int length = GetWindowTextLengthA(edit);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    GetWindowTextA(edit, &text[0], length + 1);
    text.resize(std::strlen(text.c_str()));
    return text;
}

void read_field(HWND dialog, int id, char* out, int size)
{
    std::memset(out, 0, static_cast<size_t>(size));
    GetDlgItemTextA(dialog, id, out, size);
}

// Reads the display name of either dialog; false, with the reason shown, when it cannot be
// stored.
bool read_display_name(HWND dialog, char (&name)[DISPLAY_NAME_SIZE])
{
    read_field(dialog, IDC_DISPLAY_NAME, name, ITEM_NAME_LIMIT + 1);
    if (name[0] == '\0') {
        show_error_message("Please enter the display name.");
        return false;
    }
    if (!display_name_allowed(name)) {
        show_error_message("The display name cannot contain \"@1\".");
        return false;
    }
    return true;
}

void open_emailer(HWND dialog, LPARAM mode)
{
    SendDlgItemMessageA(dialog, IDC_DISPLAY_NAME, EM_LIMITTEXT, ITEM_NAME_LIMIT, 0);
    SendDlgItemMessageA(dialog, IDC_EMAIL_ADDRESS, EM_LIMITTEXT, ITEM_DATA_LIMIT - 1, 0);
    if (mode == MODE_EDIT) {
        SetDlgItemTextA(dialog, IDC_DISPLAY_NAME, emailer_fields.display_name);
        SetDlgItemTextA(dialog, IDC_EMAIL_ADDRESS, emailer_fields.item_data);
    }
}

void confirm_emailer(HWND dialog)
{
    char name[DISPLAY_NAME_SIZE];
    char addresses[ITEM_DATA_SIZE];
    if (!read_display_name(dialog, name)) {
        return;
    }
    read_field(dialog, IDC_EMAIL_ADDRESS, addresses, ITEM_DATA_LIMIT);
    if (addresses[0] == '\0') {
        show_error_message("Please enter the email address.");
        return;
    }
    std::memcpy(emailer_fields.display_name, name, sizeof name);
    std::memcpy(emailer_fields.item_data, addresses, sizeof addresses);
    EndDialog(dialog, 1);
}

void open_text_item(HWND dialog, LPARAM mode)
{
    SendDlgItemMessageA(dialog, IDC_DISPLAY_NAME, EM_LIMITTEXT, ITEM_NAME_LIMIT, 0);
    HWND text = GetDlgItem(dialog, IDC_TEXT);
    SendMessageA(text, EM_LIMITTEXT, TEXT_SIZE_LIMIT, 0);
    if (mode == MODE_EDIT && text != nullptr) {
        editing_text_item = 1;
        SetDlgItemTextA(dialog, IDC_DISPLAY_NAME, text_fields.display_name);
        // The caller has read the file before opening the dialog.
        load_text_into_edit(text, edited_text);
    } else {
        editing_text_item = 0;
    }
}

void confirm_text_item(HWND dialog)
{
    char name[DISPLAY_NAME_SIZE];
    if (!read_display_name(dialog, name)) {
        return;
    }
    char path[PATH_BUFFER_SIZE] = {};
    if (editing_text_item == 1) {
        std::snprintf(path, sizeof path, "%s", text_fields.item_data);
    } else {
        // A new name is taken first, so that no other item's text file is ever replaced.
        HANDLE reserved = create_new_text_file(path, sizeof path);
        if (reserved == INVALID_HANDLE_VALUE || std::strlen(path) > ITEM_DATA_LIMIT) {
            if (reserved != INVALID_HANDLE_VALUE) {
                CloseHandle(reserved);
                DeleteFileA(path);
            }
            show_error_message("Cannot create a file to save. Please check you are logged in as an administrator.");
            return;
        }
        CloseHandle(reserved);
    }
    // The edit box's lines are already joined by CR LF, as the file keeps them. The old text
    // is replaced only once the new one is wholly written.
    std::string text = edit_text(GetDlgItem(dialog, IDC_TEXT));
    if (!write_record_file(path, text.data(), text.size())) {
        DWORD error = GetLastError();
        if (editing_text_item != 1) {
            DeleteFileA(path);
        }
        show_failure_message("Vantrel could not save the text", error);
        return;
    }
    std::memcpy(text_fields.display_name, name, sizeof name);
    std::memset(text_fields.item_data, 0, sizeof text_fields.item_data);
    std::memcpy(text_fields.item_data, path, std::strlen(path));
    EndDialog(dialog, 1);
}

// The panel and set the open Emailer or Text Clipboard dialog is for.
CommandTarget dialog_target;

// The Emailer and Text Clipboard dialogs differ only in how they open and confirm; Cancel
// ends either with 0, and a confirmation that fails keeps the dialog open. A confirmation
// for a panel that is no longer the one shown and selected writes nothing.
template <void (*open)(HWND, LPARAM), void (*confirm)(HWND)>
INT_PTR CALLBACK item_dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_INITDIALOG:
        open(dialog, lparam);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wparam) == IDOK) {
            if (!command_target_still_current(dialog_target)) {
                EndDialog(dialog, 0);
                return TRUE;
            }
            confirm(dialog);
            return TRUE;
        }
        if (LOWORD(wparam) == IDCANCEL) {
            EndDialog(dialog, 0);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

INT_PTR run_dialog(int id, DLGPROC procedure, LPARAM parameter)
{
    dialog_target = current_command_target();
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), main_window, procedure, parameter);
}

void store_item(const char* format, const ItemEditFields& fields)
{
    int panel = selected_panel;
    char item[ITEM_TEXT_SIZE] = {};
    std::snprintf(item, sizeof item, format, fields.display_name, fields.item_data);
    put_panel_item(*current_set, panel, item);
    refresh_panels(panel);
    save_panel_data();
}

void fill_fields_from_panel(ItemEditFields& fields)
{
    std::memset(&fields, 0, sizeof fields);
    const char* item = current_set->item_text[selected_panel - 1];
    char name[ITEM_TEXT_SIZE] = {};
    get_item_name(item, name);
    std::memcpy(fields.display_name, name, DISPLAY_NAME_SIZE - 1);
    get_item_data(item, fields.item_data);
}

bool selection_valid()
{
    return selected_panel >= 1 && selected_panel <= PANELS_PER_SET;
}

} // namespace

void add_emailer()
{
    std::memset(&emailer_fields, 0, sizeof emailer_fields);
    if (selection_valid() && run_dialog(IDD_EMAILER, item_dialog_proc<open_emailer, confirm_emailer>, MODE_ADD) == 1) {
        store_item("@E%s@1%s", emailer_fields);
    }
}

void add_text_clipboard()
{
    std::memset(&text_fields, 0, sizeof text_fields);
    if (selection_valid() &&
        run_dialog(IDD_TEXT_CLIPBOARD, item_dialog_proc<open_text_item, confirm_text_item>, MODE_ADD) == 1) {
        store_item("@T%s@1%s", text_fields);
    }
}

void edit_emailer()
{
    fill_fields_from_panel(emailer_fields);
    if (run_dialog(IDD_EMAILER, item_dialog_proc<open_emailer, confirm_emailer>, MODE_EDIT) == 1) {
        store_item("@E%s@1%s", emailer_fields);
    }
}

void edit_text_clipboard()
{
    char own[ITEM_DATA_SIZE] = {};
    if (!own_text_file_of(current_set->item_text[selected_panel - 1], text_folder, own)) {
        show_error_message(
            "The text of this item is kept outside Vantrel's Text folder, so Vantrel does not change it.");
        return;
    }
    // A text that cannot be read whole is not offered for editing: confirming the dialog
    // would replace it with what was shown.
    edited_text.clear();
    const char* refusal = text_file_refusal(read_text_file(own, edited_text));
    if (refusal != nullptr) {
        show_error_message(refusal);
        return;
    }
    fill_fields_from_panel(text_fields);
    if (run_dialog(IDD_TEXT_CLIPBOARD, item_dialog_proc<open_text_item, confirm_text_item>, MODE_EDIT) == 1) {
        store_item("@T%s@1%s", text_fields);
    }
}
