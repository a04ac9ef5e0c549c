#include "store/panel_set.h"

#include <cstring>

#include "files/paths.h"
#include "store/flag.h"
#include "store/record_file.h"

PanelSet panel_sets[PANEL_SET_COUNT];
PanelSet* current_set = &panel_sets[0];
int32_t panel_file_missing;

bool is_occupied(const PanelSet& set, int panel)
{
    return panel >= 1 && panel <= PANELS_PER_SET && flag_on(set.occupied[panel - 1]);
}

const char* panel_set_path(int index)
{
    static const char* const paths[PANEL_SET_COUNT] = {
        panel_data_path,       panel_data_left_path,       panel_data_right_path,
        panel_data_shift_path, panel_data_shift_left_path, panel_data_shift_right_path,
    };
    return paths[index];
}

void terminate_item_strings(PanelSet& set)
{
    for (auto& item : set.item_text) {
        item[ITEM_TEXT_SIZE - 1] = '\0';
    }
}

void put_panel_item(PanelSet& set, int panel, const char* item)
{
    set.occupied[panel - 1] = 1;
    std::memset(set.item_text[panel - 1], 0, ITEM_TEXT_SIZE);
    std::strncpy(set.item_text[panel - 1], item, ITEM_TEXT_SIZE - 1);
}

void clear_panel_item(PanelSet& set, int panel)
{
    set.occupied[panel - 1] = 0;
    std::memset(set.item_text[panel - 1], 0, ITEM_TEXT_SIZE);
}

void load_panel_data()
{
    for (int index = 0; index < PANEL_SET_COUNT; ++index) {
        int opened = read_record_file(panel_set_path(index), &panel_sets[index], sizeof(PanelSet));
        terminate_item_strings(panel_sets[index]);
        if (index == 0) {
            panel_file_missing = opened ? 0 : 1;
        }
    }
}

int save_panel_set(int index)
{
    return save_data_file(panel_set_path(index), &panel_sets[index], sizeof(PanelSet));
}

int save_panel_data()
{
    return save_panel_set(static_cast<int>(current_set - panel_sets));
}
