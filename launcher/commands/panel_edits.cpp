#include "commands/panel_edits.h"

#include <cstring>

#include "store/connections.h"
#include "store/panel_set.h"

void clear_panel(int p)
{
    clear_panel_item(*current_set, p);
    set_linked_panel(p, 0);
}

static void put_item(int panel, const char* item, int link)
{
    put_panel_item(*current_set, panel, item);
    set_linked_panel(panel, link == panel ? 0 : link);
}

void move_item(int s, int t)
{
    char item[ITEM_TEXT_SIZE];
    std::memcpy(item, current_set->item_text[s - 1], ITEM_TEXT_SIZE);
    int link = linked_panel(s);
    clear_panel(s);
    put_item(t, item, link);
}

void exchange_items(int s, int t)
{
    char item_s[ITEM_TEXT_SIZE];
    char item_t[ITEM_TEXT_SIZE];
    std::memcpy(item_s, current_set->item_text[s - 1], ITEM_TEXT_SIZE);
    std::memcpy(item_t, current_set->item_text[t - 1], ITEM_TEXT_SIZE);
    int link_s = linked_panel(s);
    int link_t = linked_panel(t);
    put_item(s, item_t, link_t);
    put_item(t, item_s, link_s);
}
