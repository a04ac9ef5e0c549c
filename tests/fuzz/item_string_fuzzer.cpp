// Any item string (NUL-terminated, any length): the tests and extractors stay inside their
// input and their output buffers.
#include <cstring>
#include <memory>

#include "store/item_string.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    auto item = std::make_unique<char[]>(size + 1);
    std::memcpy(item.get(), data, size);
    item[size] = '\0';
    is_special_item(item.get());
    is_emailer_item(item.get());
    is_text_item(item.get());
    auto name = std::make_unique<char[]>(ITEM_TEXT_SIZE);
    auto item_data = std::make_unique<char[]>(ITEM_DATA_SIZE);
    std::memset(name.get(), 0, ITEM_TEXT_SIZE);
    std::memset(item_data.get(), 0, ITEM_DATA_SIZE);
    get_item_name(item.get(), name.get());
    get_item_data(item.get(), item_data.get());
    if (name[ITEM_TEXT_SIZE - 1] != '\0' || item_data[ITEM_DATA_SIZE - 1] != '\0') {
        __builtin_trap();
    }
    return 0;
}
