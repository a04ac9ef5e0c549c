#include "store/item_string.h"

#include <cstring>

bool is_special_item(const char* item)
{
    return item[0] == '@' && item[1] != '\0' && item[2] != '\0';
}

bool is_emailer_item(const char* item)
{
    return is_special_item(item) && item[1] == 'E';
}

bool is_text_item(const char* item)
{
    return is_special_item(item) && item[1] == 'T';
}

void get_item_name(const char* item, char* out)
{
    char work[ITEM_TEXT_SIZE + 1] = {};
    std::strncpy(work, item, ITEM_TEXT_SIZE);
    if (std::strlen(work) <= 4) {
        return;
    }
    char* separator = std::strstr(work, "@1");
    // The name starts after the two-character prefix; a separator inside the prefix
    // leaves no name at all.
    if (separator == nullptr || separator < work + 2) {
        return;
    }
    *separator = '\0';
    std::strcpy(out, work + 2);
}

void get_item_data(const char* item, char* out)
{
    if (std::strlen(item) <= 4) {
        return;
    }
    const char* separator = std::strstr(item, "@1");
    if (separator == nullptr) {
        return;
    }
    std::strncpy(out, separator + 2, ITEM_DATA_LIMIT);
}

bool display_name_allowed(const char* name)
{
    return std::strstr(name, "@1") == nullptr;
}
