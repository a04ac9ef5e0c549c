#include "options/options_dialog.h"

#include <commdlg.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "options/chords_keys_dialog.h"
#include "store/flag.h"
#include "state/window_state.h"
#include "files/paths.h"
#include "resources/resource.h"
#include "options/sound.h"
#include "files/path_join.h"
#include "options/theme_names.h"

char last_wav_path[OPTION_PATH_SIZE];

namespace {

// The check boxes that stand for one flag each.
struct FlagBox {
    int id;
    int32_t LauncherOptions::*field;
};

constexpr FlagBox flag_boxes[] = {
    {IDC_ACTIVATE_AT_MOUSE, &LauncherOptions::activate_at_mouse},
    {IDC_OPEN_IN_NEW_BROWSER, &LauncherOptions::open_in_new_browser},
    {IDC_REMEMBER_LOCATION, &LauncherOptions::remember_location},
    {IDC_SKIP_RESTORE_MINIMIZE, &LauncherOptions::skip_restore_minimize},
    {IDC_REMOVE_ORIGINAL_SHORTCUTS, &LauncherOptions::remove_original_shortcuts},
    {IDC_REVERSE_SCROLL, &LauncherOptions::reverse_scroll},
};

char* custom_field(int edit)
{
    switch (edit) {
    case IDC_WAV_ACTIVATION:
        return options.custom_wav_activation;
    case IDC_WAV_CHANGING:
        return options.custom_wav_changing;
    default:
        return options.custom_wav_launching;
    }
}

constexpr int wav_edits[3] = {IDC_WAV_ACTIVATION, IDC_WAV_CHANGING, IDC_WAV_LAUNCHING};
constexpr int wav_buttons[3] = {IDC_SELECT_ACTIVATION, IDC_SELECT_CHANGING, IDC_SELECT_LAUNCHING};

bool checked(HWND dialog, int id)
{
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

bool theme_text_is_custom(HWND dialog)
{
    char text[9] = {};
    GetDlgItemTextA(dialog, IDC_THEME_LIST, text, sizeof text);
    return std::strcmp(text, "Custom") == 0;
}

void enable(HWND dialog, int id, bool on)
{
    EnableWindow(GetDlgItem(dialog, id), on ? TRUE : FALSE);
}

void update_delay_controls(HWND dialog)
{
    bool on = checked(dialog, IDC_DELAYED_LAUNCHING);
    enable(dialog, IDC_DELAY_LIST, on);
    enable(dialog, IDC_DELAY_UNIT, on);
}

void update_sound_controls(HWND dialog)
{
    bool on = checked(dialog, IDC_USE_SOUND);
    enable(dialog, IDC_THEME_LIST, on);
    enable(dialog, IDC_SELECT_FILES, on && theme_text_is_custom(dialog));
}

void init_options_dialog(HWND dialog)
{
    for (const FlagBox& box : flag_boxes) {
        CheckDlgButton(dialog, box.id, flag_on(options.*box.field) ? BST_CHECKED : BST_UNCHECKED);
    }
    HWND themes = GetDlgItem(dialog, IDC_THEME_LIST);
    SendMessageA(themes, CB_RESETCONTENT, 0, 0);
    for (const char* name : theme_list_names) {
        SendMessageA(themes, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    }
    const char* theme = theme_name_of(options.sound_theme);
    if (theme != nullptr) {
        SendMessageA(themes, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(theme));
    }
    CheckDlgButton(dialog, IDC_USE_SOUND, flag_on(options.use_sound) ? BST_CHECKED : BST_UNCHECKED);
    enable(dialog, IDC_THEME_LIST, flag_on(options.use_sound));
    enable(dialog, IDC_SELECT_FILES, flag_on(options.use_sound) && options.sound_theme == SOUND_THEME_CUSTOM);

    HWND delays = GetDlgItem(dialog, IDC_DELAY_LIST);
    SendMessageA(delays, CB_RESETCONTENT, 0, 0);
    SendMessageA(delays, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("500"));
    SendMessageA(delays, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("1000"));
    if (options.launch_delay_ms == 0) {
        options.launch_delay_ms = 500;
    }
    char delay[16] = {};
    std::snprintf(delay, sizeof delay, "%u", options.launch_delay_ms);
    SendMessageA(delays, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(delay));
    CheckDlgButton(dialog, IDC_DELAYED_LAUNCHING, flag_on(options.delayed_launching) ? BST_CHECKED : BST_UNCHECKED);
    update_delay_controls(dialog);
}

void apply_options_dialog(HWND dialog)
{
    for (const FlagBox& box : flag_boxes) {
        options.*box.field = checked(dialog, box.id) ? 1 : 0;
    }
    if (checked(dialog, IDC_DELAYED_LAUNCHING)) {
        options.delayed_launching = 1;
        char delay[16] = {};
        GetDlgItemTextA(dialog, IDC_DELAY_LIST, delay, sizeof delay);
        char* end = nullptr;
        unsigned long value = std::strtoul(delay, &end, 10);
        options.launch_delay_ms = end != delay ? static_cast<uint32_t>(value) : 500;
    } else {
        options.delayed_launching = 0;
    }
    options.use_sound = checked(dialog, IDC_USE_SOUND) ? 1 : 0;
    char theme[9] = {};
    GetDlgItemTextA(dialog, IDC_THEME_LIST, theme, sizeof theme);
    int32_t value = theme_value_of(theme);
    if (value != 0) {
        options.sound_theme = value;
    }
}

} // namespace

INT_PTR CALLBACK options_dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        init_options_dialog(dialog);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wparam)) {
        case IDC_DELAYED_LAUNCHING:
            update_delay_controls(dialog);
            return TRUE;
        case IDC_USE_SOUND:
            update_sound_controls(dialog);
            return TRUE;
        case IDC_THEME_LIST:
            enable(dialog, IDC_SELECT_FILES, theme_text_is_custom(dialog));
            return TRUE;
        case IDC_SELECT_FILES:
            DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_CUSTOM_WAV), dialog, custom_wav_dialog_proc,
                            0);
            return TRUE;
        case IDC_OPEN_CHORDS_AND_KEYS:
            open_chords_keys_dialog(dialog);
            return TRUE;
        case IDOK:
            apply_options_dialog(dialog);
            EndDialog(dialog, IDOK);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        default:
            return FALSE;
        }
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK custom_wav_dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        for (int edit : wav_edits) {
            SetDlgItemTextA(dialog, edit, custom_field(edit));
        }
        return TRUE;
    case WM_COMMAND:
        for (int i = 0; i < 3; ++i) {
            if (LOWORD(wparam) == wav_buttons[i]) {
                char chosen[OPTION_PATH_SIZE] = {};
                if (choose_wav_file(dialog, chosen) == 1) {
                    SetDlgItemTextA(dialog, wav_edits[i], chosen);
                }
                return TRUE;
            }
        }
        if (LOWORD(wparam) == IDOK) {
            for (int edit : wav_edits) {
                char* field = custom_field(edit);
                std::memset(field, 0, OPTION_PATH_SIZE);
                GetDlgItemTextA(dialog, edit, field, OPTION_PATH_SIZE - 1);
            }
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        if (LOWORD(wparam) == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

int choose_wav_file(HWND owner, char* buffer)
{
    if (last_wav_path[0] == '\0') {
        copy_text(last_wav_path, sizeof last_wav_path, install_folder);
    }
    char filter[80] = {};
    std::snprintf(filter, sizeof filter, "%s%c%s%c%c", ".wav files", '\0', "*.wav", '\0', '\0');
    char file[OPTION_PATH_SIZE] = {};
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    dialog.hwndOwner = owner;
    dialog.hInstance = GetModuleHandleA(nullptr);
    dialog.lpstrFilter = filter;
    dialog.lpstrFile = file;
    dialog.nMaxFile = OPTION_PATH_SIZE - 1;
    dialog.lpstrInitialDir = last_wav_path;
    dialog.lpstrTitle = "Select File";
    dialog.Flags = OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_EXPLORER | OFN_LONGNAMES;
    dialog.lpstrDefExt = "";
    if (!GetOpenFileNameA(&dialog)) {
        return 0;
    }
    copy_text(buffer, OPTION_PATH_SIZE, file);
    copy_text(last_wav_path, sizeof last_wav_path, file);
    return 1;
}

void open_options_dialog()
{
    // The dialog works on the record in memory, which holds what was applied even when its
    // save failed; the custom sound files dialog writes into it directly. Cancel puts back
    // exactly what was there when the dialog opened.
    const LauncherOptions opened = options;
    int32_t old_skip = options.skip_restore_minimize;
    if (DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_OPTIONS), main_window, options_dialog_proc,
                        0) != IDOK) {
        options = opened;
        return;
    }
    save_options();
    resolve_sound_files();
    // Skipping was off, so the hidden window was minimised before hiding: undo that once.
    if (!flag_on(old_skip) && flag_on(options.skip_restore_minimize) && window_shown == 0) {
        ShowWindow(main_window, SW_RESTORE);
        ShowWindow(main_window, SW_HIDE);
    }
}
