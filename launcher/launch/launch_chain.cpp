#include "launch_chain.h"

#include <cstring>

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
