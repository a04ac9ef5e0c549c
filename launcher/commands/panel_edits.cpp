#include "panel_edits.h"

#include <cstring>

#include "connections.h"
#include "panel_set.h"

void clear_panel(int p)
{
    current_set->occupied[p - 1] = 0;
    std::memset(current_set->item_text[p - 1], 0, ITEM_TEXT_SIZE);
    set_linked_panel(p, 0);
}

static void put_item(int panel, const char* item, int link)
{
    current_set->occupied[panel - 1] = 1;
    std::memset(current_set->item_text[panel - 1], 0, ITEM_TEXT_SIZE);
    std::memcpy(current_set->item_text[panel - 1], item, ITEM_TEXT_SIZE - 1);
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
