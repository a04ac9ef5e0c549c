#include "launch/launch_chain.h"

#include <cstring>

#include "store/connections.h"
#include "store/panel_set.h"

int32_t launched_panels[LAUNCHED_PANEL_SLOTS];

bool was_launched(int n)
{
    if (n == 0) {
        return false;
    }
    for (int32_t slot : launched_panels) {
        if (slot == n) {
            return true;
        }
    }
    return false;
}

void mark_launched(int n)
{
    for (int32_t& slot : launched_panels) {
        if (slot == 0) {
            slot = n;
            return;
        }
    }
}

void clear_launched_panels()
{
    std::memset(launched_panels, 0, sizeof launched_panels);
}

int next_linked_panel(int n)
{
    return linked_panel(n);
}

void walk_launch_chain(int n, PanelStart start)
{
    while (n != 0 && !was_launched(n)) {
        if (!is_occupied(*current_set, n) || current_set->item_text[n - 1][0] == '\0') {
            return;
        }
        start(n);
        mark_launched(n);
        n = next_linked_panel(n);
    }
}

void get_item_folder_of(const char* item, char* buffer)
{
    char work[WORKING_FOLDER_SIZE] = {};
    std::strncpy(work, item, WORKING_FOLDER_SIZE - 1);
    char* last_backslash = std::strrchr(work, '\\');
    if (last_backslash == nullptr) {
        return;
    }
    last_backslash[1] = '\0';
    std::strcpy(buffer, work);
}
