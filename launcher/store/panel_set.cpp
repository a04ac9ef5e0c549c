#include "panel_set.h"

#include "flag.h"
#include "paths.h"
#include "record_file.h"
#include "selection.h"

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

void select_current_set()
{
    int shift = shift_active == 1 ? 1 : 0;
    int section_number = section >= 0 && section < SECTION_COUNT ? section : 0;
    current_set = &panel_sets[panel_set_index(shift, section_number)];
}

void terminate_item_strings(PanelSet& set)
{
    for (auto& item : set.item_text) {
        item[ITEM_TEXT_SIZE - 1] = '\0';
    }
}

void load_panel_data()
{
    section = 0;
    select_current_set();
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
