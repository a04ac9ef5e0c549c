// Saves the centre panel set over and over, alternating two contents, until it is killed.
// Usage: save_loop FOLDER
#include <cstdio>
#include <cstring>

#include "store/panel_set.h"
#include "files/path_join.h"
#include "files/paths.h"

int main(int argc, char** argv)
{
    if (argc < 2 || join_path(panel_data_path, PATH_BUFFER_SIZE, argv[1], "Launcher.lst") == 0) {
        return 2;
    }
    for (unsigned round = 0;; ++round) {
        std::memset(&panel_sets[0], round % 2 == 0 ? 'A' : 'B', sizeof(PanelSet));
        save_panel_set(0);
    }
}
