// Any Launcher.lst: loaded, then every panel's string tested and taken apart into buffers
// of exactly the sizes the program gives them.
#include <cstring>
#include <memory>

#include "fuzz_files.h"
#include "store/item_string.h"
#include "store/panel_set.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz_folder();
    write_fuzz_file(panel_data_path, data, size);
    load_panel_data();
    for (int panel = 0; panel < PANELS_PER_SET; ++panel) {
        const char* item = current_set->item_text[panel];
        if (std::strlen(item) >= ITEM_TEXT_SIZE) {
            __builtin_trap();
        }
        is_special_item(item);
        is_emailer_item(item);
        is_text_item(item);
        auto name = std::make_unique<char[]>(ITEM_TEXT_SIZE);
        auto item_data = std::make_unique<char[]>(ITEM_DATA_SIZE);
        std::memset(name.get(), 0, ITEM_TEXT_SIZE);
        std::memset(item_data.get(), 0, ITEM_DATA_SIZE);
        get_item_name(item, name.get());
        get_item_data(item, item_data.get());
    }
    return 0;
}
