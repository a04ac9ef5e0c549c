#include "options/chords_keys_dialog.h"

#include <commctrl.h>

#include "chords/chord_pass.h"
#include "chords/chord_settings.h"
#include "chords/hotkey.h"
#include "state/window_state.h"
#include "resources/resource.h"

namespace {

struct ChordsKeysDialog {
    ChordSettings settings;
    bool picking; // the pointer holds the target that picks a window
};

// The hotkey control's modifier bits and RegisterHotKey's differ.
Hotkey hotkey_from_control(WORD value)
{
    BYTE flags = HIBYTE(value);
    uint32_t modifiers = ((flags & HOTKEYF_CONTROL) != 0 ? HOTKEY_CONTROL : 0) |
                         ((flags & HOTKEYF_ALT) != 0 ? HOTKEY_ALT : 0) |
                         ((flags & HOTKEYF_SHIFT) != 0 ? HOTKEY_SHIFT : 0);
    return Hotkey{modifiers, LOBYTE(value)};
}

WORD control_from_hotkey(Hotkey hotkey)
{
    BYTE flags = static_cast<BYTE>(((hotkey.modifiers & HOTKEY_CONTROL) != 0 ? HOTKEYF_CONTROL : 0) |
                                   ((hotkey.modifiers & HOTKEY_ALT) != 0 ? HOTKEYF_ALT : 0) |
                                   ((hotkey.modifiers & HOTKEY_SHIFT) != 0 ? HOTKEYF_SHIFT : 0));
    return MAKEWORD(static_cast<BYTE>(hotkey.key), flags);
}

void fill_program_list(HWND dialog, const ChordSettings& settings)
{
    HWND list = GetDlgItem(dialog, IDC_EXCLUDED_LIST);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (uint32_t i = 0; i < settings.excluded_count; ++i) {
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(settings.excluded[i]));
    }
    EnableWindow(GetDlgItem(dialog, IDC_REMOVE_PROGRAM), FALSE);
}

void add_program(HWND dialog, ChordsKeysDialog& data, const char* name)
{
    if (add_excluded_program(data.settings, name) == 1) {
        fill_program_list(dialog, data.settings);
    }
}

// The hotkey is tried at once, when the dialog opens and when another is chosen: one that
// another program holds would be lost silently.
void show_hotkey_status(HWND dialog, Hotkey hotkey)
{
    SetDlgItemTextA(dialog, IDC_HOTKEY_STATUS, hotkey_taken_elsewhere(main_window, hotkey) ? HOTKEY_TAKEN_TEXT : "");
}

// A key without Ctrl, Alt or Win is refused: the box goes back to the hotkey it held, and the
// status line says why.
void on_hotkey_chosen(HWND dialog, ChordsKeysDialog& data)
{
    WORD value = static_cast<WORD>(SendDlgItemMessageA(dialog, IDC_HOTKEY, HKM_GETHOTKEY, 0, 0));
    Hotkey chosen = hotkey_from_control(value);
    if (!hotkey_allowed(chosen)) {
        SendDlgItemMessageA(dialog, IDC_HOTKEY, HKM_SETHOTKEY, control_from_hotkey(data.settings.hotkey), 0);
        SetDlgItemTextA(dialog, IDC_HOTKEY_STATUS, HOTKEY_NEEDS_MODIFIER_TEXT);
        return;
    }
    data.settings.hotkey = chosen;
    show_hotkey_status(dialog, data.settings.hotkey);
}

// The window under the pointer where the target was let go: its program joins the list.
void end_picking(HWND dialog, ChordsKeysDialog& data)
{
    data.picking = false;
    ReleaseCapture();
    POINT pointer;
    GetCursorPos(&pointer);
    HWND window = WindowFromPoint(pointer);
    if (window != nullptr) {
        window = GetAncestor(window, GA_ROOT);
    }
    if (window != nullptr && window != dialog && window != main_window) {
        static ProgramNameCache names;
        add_program(dialog, data, program_name_of_window(names, reinterpret_cast<uintptr_t>(window)));
    }
}

void init_dialog(HWND dialog, ChordsKeysDialog& data)
{
    SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&data));
    CheckDlgButton(dialog, IDC_FULL_SCREEN_KEEPS_CHORDS, data.settings.full_screen_passes == 1 ? BST_CHECKED : 0);
    CheckDlgButton(dialog, IDC_PAUSE_CHORDS, data.settings.paused == 1 ? BST_CHECKED : 0);
    fill_program_list(dialog, data.settings);
    SendDlgItemMessageA(dialog, IDC_EXCLUDED_LIST, LB_SETHORIZONTALEXTENT, 2000, 0);
    SendDlgItemMessageA(dialog, IDC_PROGRAM_NAME, EM_LIMITTEXT, PROGRAM_NAME_SIZE - 1, 0);
    SendDlgItemMessageA(dialog, IDC_HOTKEY, HKM_SETHOTKEY, control_from_hotkey(data.settings.hotkey), 0);
    show_hotkey_status(dialog, data.settings.hotkey);
}

void on_command(HWND dialog, ChordsKeysDialog& data, WORD id, WORD code)
{
    switch (id) {
    case IDC_EXCLUDED_LIST:
        if (code == LBN_SELCHANGE) {
            EnableWindow(GetDlgItem(dialog, IDC_REMOVE_PROGRAM),
                         SendDlgItemMessageA(dialog, IDC_EXCLUDED_LIST, LB_GETCURSEL, 0, 0) != LB_ERR);
        }
        break;
    case IDC_REMOVE_PROGRAM: {
        LRESULT index = SendDlgItemMessageA(dialog, IDC_EXCLUDED_LIST, LB_GETCURSEL, 0, 0);
        if (index != LB_ERR) {
            remove_excluded_program(data.settings, static_cast<uint32_t>(index));
            fill_program_list(dialog, data.settings);
        }
        break;
    }
    case IDC_ADD_PROGRAM: {
        char name[PROGRAM_NAME_SIZE] = {};
        GetDlgItemTextA(dialog, IDC_PROGRAM_NAME, name, sizeof name);
        add_program(dialog, data, name);
        SetDlgItemTextA(dialog, IDC_PROGRAM_NAME, "");
        break;
    }
    case IDC_PICK_WINDOW:
        if (code == STN_CLICKED) {
            data.picking = true;
            SetCapture(dialog);
            SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32515))); // the cross
        }
        break;
    case IDC_HOTKEY:
        if (code == EN_CHANGE) {
            on_hotkey_chosen(dialog, data);
        }
        break;
    case IDOK:
        data.settings.full_screen_passes = IsDlgButtonChecked(dialog, IDC_FULL_SCREEN_KEEPS_CHORDS) == BST_CHECKED;
        data.settings.paused = IsDlgButtonChecked(dialog, IDC_PAUSE_CHORDS) == BST_CHECKED;
        EndDialog(dialog, IDOK);
        break;
    case IDCANCEL:
        EndDialog(dialog, IDCANCEL);
        break;
    default:
        break;
    }
}

INT_PTR CALLBACK chords_keys_dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam)
{
    auto* data = reinterpret_cast<ChordsKeysDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        init_dialog(dialog, *reinterpret_cast<ChordsKeysDialog*>(lparam));
        return TRUE;
    case WM_COMMAND:
        on_command(dialog, *data, LOWORD(wparam), HIWORD(wparam));
        return TRUE;
    case WM_LBUTTONUP:
        if (data != nullptr && data->picking) {
            end_picking(dialog, *data);
        }
        return TRUE;
    case WM_CAPTURECHANGED:
        if (data != nullptr) {
            data->picking = false;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

int open_chords_keys_dialog(HWND owner)
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_HOTKEY_CLASS};
    InitCommonControlsEx(&controls);
    static ChordsKeysDialog data;
    data.settings = chord_settings;
    data.picking = false;
    const int32_t opened_paused = chord_settings.paused;
    if (DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_CHORDS_AND_KEYS), owner,
                        chords_keys_dialog_proc, reinterpret_cast<LPARAM>(&data)) != IDOK) {
        return 0;
    }
    // The pause can change from the tray menu while the dialog is open: the dialog's box
    // counts only when the user changed it there.
    if ((data.settings.paused == 1) == (opened_paused == 1)) {
        data.settings.paused = chord_settings.paused;
    }
    chord_settings = data.settings;
    register_launcher_hotkey(main_window, chord_settings.hotkey);
    // Saves the settings; the window shows the pause in the tray.
    set_chords_paused(chord_settings.paused == 1);
    return 1;
}

void set_chords_paused(bool paused)
{
    chord_settings.paused = paused ? 1 : 0;
    save_chord_settings();
    SendMessageA(main_window, WM_CHORD_SETTINGS_CHANGED, 0, 0);
}
