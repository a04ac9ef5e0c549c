#include "view/panel_view.h"

#include <shellapi.h>

#include <cstdio>
#include <cstring>

#include "resources/resource.h"
#include "store/connections.h"
#include "store/panel_set.h"
#include "store/selection.h"
#include "view/panel_controls.h"
#include "state/window_state.h"
#include "view/reach_probe.h"

namespace {

struct PanelHandles {
    HWND name;
    HWND icon;
    HWND link;
};

PanelHandles panels[PANEL_COUNT];
HWND section_indicator;
HWND shift_label;

HICON empty_panel_icon;
HICON section_icons[SECTION_COUNT];

// Panels whose target is out of reach: kept, shown by their file name, told on hover.
bool unreachable[PANEL_COUNT];

// Icons from the shell belong to us and are destroyed once replaced; resource icons are
// shared and are not.
HICON owned_icons[PANEL_COUNT];

struct ItemLook {
    char name[ITEM_TEXT_SIZE];
    HICON icon;
    bool icon_owned;
};

ItemLook look_of(const char* item)
{
    ItemLook look = {};
    if (item[0] == '\0') {
        return look;
    }
    if (is_special_item(item)) {
        get_item_name(item, look.name);
        if (is_emailer_item(item) || is_text_item(item)) {
            int id = is_emailer_item(item) ? IDI_EMAILER : IDI_TEXT_CLIPBOARD;
            look.icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
            return look;
        }
    }
    SHFILEINFOA info = {};
    if (SHGetFileInfoA(item, 0, &info, sizeof info, SHGFI_DISPLAYNAME | SHGFI_ICON) != 0) {
        if (!is_special_item(item)) {
            std::strncpy(look.name, info.szDisplayName, sizeof look.name - 1);
        }
        look.icon = info.hIcon;
        look.icon_owned = info.hIcon != nullptr;
    }
    return look;
}

const char* panel_item(int index)
{
    return is_occupied(*current_set, index + 1) ? current_set->item_text[index] : "";
}

// The system's word on the items of panels first .. first + count - 1 of the shown set.
void ask_about_panels(int first, int count, ItemAnswer* answers)
{
    const char* items[PANEL_COUNT];
    for (int i = 0; i < PANEL_COUNT; ++i) {
        items[i] = panel_item(i);
    }
    ask_about_items(items, first, count, current_set, main_window, answers);
}

// A panel that does not hold an item shows nothing, whatever its slot still contains. A
// path item out of reach shows its file name and the empty-panel icon, and asks nothing
// more of the shell (which could hang on it). The answer's icon passes to the look.
ItemLook look_of_panel(int index, ItemAnswer& answer)
{
    const char* item = panel_item(index);
    unreachable[index] = answer.asked && answer.reach == TargetReach::unreachable;
    if (!answer.asked) {
        return look_of(item);
    }
    ItemLook look = {};
    if (answer.reach == TargetReach::present) {
        // There, but the shell gave no name (a share it cannot list): shown by its file name,
        // never emptied.
        bool named = answer.name[0] != '\0';
        std::strncpy(look.name, named ? answer.name : target_file_name(item), sizeof look.name - 1);
        look.icon = answer.icon != nullptr || named ? answer.icon : empty_panel_icon;
        look.icon_owned = answer.icon != nullptr;
        answer.icon = nullptr;
    } else if (answer.reach == TargetReach::unreachable) {
        std::strncpy(look.name, target_file_name(item), sizeof look.name - 1);
        look.icon = empty_panel_icon;
    }
    return look;
}

void set_panel_icon(int index, HICON icon, bool owned)
{
    SendMessageA(panels[index].icon, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    if (owned_icons[index] != nullptr && owned_icons[index] != icon) {
        DestroyIcon(owned_icons[index]);
    }
    owned_icons[index] = owned ? icon : nullptr;
}

void write_link_label(int index)
{
    char text[16] = " ";
    int target = linked_panel(index + 1);
    if (target != 0) {
        std::snprintf(text, sizeof text, "%d", target);
    }
    SetWindowTextA(panels[index].link, text);
}

void write_shift_label()
{
    SetWindowTextA(shift_label, shift_active == 1 ? "Shift" : " ");
}

// Empties a panel whose item no longer resolves. Returns whether its connection entry
// changed, which is what the connection files hold.
bool empty_unresolvable_panel(int index)
{
    clear_panel_item(*current_set, index + 1);
    return set_linked_panel(index + 1, 0);
}

} // namespace

void load_view_icons()
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    empty_panel_icon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_PANEL_EMPTY));
    section_icons[0] = LoadIconA(instance, MAKEINTRESOURCEA(IDI_SECTION_CENTRE));
    section_icons[1] = LoadIconA(instance, MAKEINTRESOURCEA(IDI_SECTION_LEFT));
    section_icons[2] = LoadIconA(instance, MAKEINTRESOURCEA(IDI_SECTION_RIGHT));
}

void release_view_icons()
{
    DestroyIcon(empty_panel_icon);
}

void collect_panel_controls(HWND window)
{
    for (int i = 0; i < PANEL_COUNT; ++i) {
        panels[i].name = GetDlgItem(window, panel_controls[i].name);
        panels[i].icon = GetDlgItem(window, panel_controls[i].icon);
        panels[i].link = GetDlgItem(window, panel_controls[i].link);
    }
    section_indicator = GetDlgItem(window, IDC_SECTION_ICON);
    shift_label = GetDlgItem(window, IDC_SHIFT_LABEL);
}

static void refresh_all_panels()
{
    write_shift_label();
    ItemAnswer answers[PANEL_COUNT];
    ask_about_panels(0, PANEL_COUNT, answers);
    ItemLook looks[PANEL_COUNT];
    bool connections_changed = false;
    for (int i = 0; i < PANEL_COUNT; ++i) {
        looks[i] = look_of_panel(i, answers[i]);
        if (unreachable[i]) {
            SetWindowTextA(panels[i].name, looks[i].name);
        } else if (looks[i].name[0] == '\0') {
            connections_changed |= empty_unresolvable_panel(i);
            if (looks[i].icon_owned) {
                DestroyIcon(looks[i].icon);
            }
            looks[i].icon = nullptr;
        } else {
            SetWindowTextA(panels[i].name, looks[i].name);
        }
    }
    if (connections_changed) {
        save_connections();
    }
    for (int i = 0; i < PANEL_COUNT; ++i) {
        if (looks[i].icon != nullptr) {
            set_panel_icon(i, looks[i].icon, looks[i].icon_owned);
        }
        write_link_label(i);
    }
}

static void refresh_one_panel(int index)
{
    write_shift_label();
    ItemAnswer answers[PANEL_COUNT];
    ask_about_panels(index, 1, answers);
    ItemLook look = look_of_panel(index, answers[index]);
    SetWindowTextA(panels[index].name, look.name);
    if (look.icon != nullptr) {
        set_panel_icon(index, look.icon, look.icon_owned);
    } else {
        set_panel_icon(index, empty_panel_icon, false);
    }
    write_link_label(index);
}

void refresh_panels(int panel)
{
    if (panel == 0) {
        refresh_all_panels();
    } else if (panel >= 1 && panel <= PANEL_COUNT) {
        refresh_one_panel(panel - 1);
    }
}

// An answer that came after the redraw stopped waiting: drawn into the panels that still hold
// what was asked about, when their set is still the one shown.
static void draw_late_answer(LateAnswer& late)
{
    if (late.set != current_set) {
        return;
    }
    bool connections_changed = false;
    for (int k = 0; k < late.count; ++k) {
        int index = late.panels[k];
        if (std::strcmp(panel_item(index), late.items[k]) != 0) {
            continue;
        }
        ItemLook look = look_of_panel(index, late.answers[k]);
        SetWindowTextA(panels[index].name, look.name);
        if (look.name[0] == '\0' && !unreachable[index]) {
            connections_changed |= empty_unresolvable_panel(index);
            if (look.icon_owned) {
                DestroyIcon(look.icon);
            }
            set_panel_icon(index, empty_panel_icon, false);
            write_link_label(index);
        } else if (look.icon != nullptr) {
            set_panel_icon(index, look.icon, look.icon_owned);
        }
    }
    if (connections_changed) {
        save_connections();
    }
}

void on_reach_answer(LPARAM answer)
{
    take_late_answer(answer, draw_late_answer);
}

bool panel_out_of_reach(int panel)
{
    return panel >= 1 && panel <= PANEL_COUNT && unreachable[panel - 1];
}

void clear_panel_view()
{
    for (int i = 0; i < PANEL_COUNT; ++i) {
        SetWindowTextA(panels[i].name, "");
        set_panel_icon(i, empty_panel_icon, false);
    }
}

void show_section_icon()
{
    if (section >= 0 && section < SECTION_COUNT) {
        SendMessageA(section_indicator, STM_SETICON, reinterpret_cast<WPARAM>(section_icons[section]), 0);
    }
}
