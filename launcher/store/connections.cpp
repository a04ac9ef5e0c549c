#include "store/connections.h"

#include "files/paths.h"
#include "store/record_file.h"
#include "store/selection.h"

ConnectionTable connections;
ConnectionTable connections_shift;

ConnectionTable& current_connections()
{
    return shift_active == 1 ? connections_shift : connections;
}

static int shown_row()
{
    return section >= 0 && section < SECTION_COUNT ? section : 0;
}

int linked_panel(int panel)
{
    if (panel < 1 || panel > PANELS_PER_SET) {
        return 0;
    }
    int32_t target = current_connections().links[shown_row()][panel - 1];
    return target >= 1 && target <= PANELS_PER_SET ? target : 0;
}

bool set_linked_panel(int panel, int target)
{
    if (panel < 1 || panel > PANELS_PER_SET) {
        return false;
    }
    int32_t& entry = current_connections().links[shown_row()][panel - 1];
    bool changed = entry != target;
    entry = target;
    return changed;
}

void load_connections()
{
    read_record_file(connections_path, &connections, sizeof connections);
    read_record_file(connections_shift_path, &connections_shift, sizeof connections_shift);
}

int save_connections()
{
    int normal = save_data_file(connections_path, &connections, sizeof connections);
    int shifted = save_data_file(connections_shift_path, &connections_shift, sizeof connections_shift);
    return normal == 1 && shifted == 1 ? 1 : 0;
}
