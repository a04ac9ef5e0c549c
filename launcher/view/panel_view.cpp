#include "panel_view.h"

#include <shellapi.h>

#include <cstdio>
#include <cstring>

#include "connections.h"
#include "launcher_window.h"
#include "panel_controls.h"
#include "panel_set.h"
#include "resource.h"
#include "selection.h"

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

// A panel that does not hold an item shows nothing, whatever its slot still contains.
ItemLook look_of_panel(int index)
{
    return look_of(is_occupied(*current_set, index + 1) ? current_set->item_text[index] : "");
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
    current_set->occupied[index] = 0;
    std::memset(current_set->item_text[index], 0, ITEM_TEXT_SIZE);
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
    ItemLook looks[PANEL_COUNT];
    bool connections_changed = false;
    for (int i = 0; i < PANEL_COUNT; ++i) {
        looks[i] = look_of_panel(i);
        if (looks[i].name[0] == '\0') {
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
    ItemLook look = look_of_panel(index);
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
