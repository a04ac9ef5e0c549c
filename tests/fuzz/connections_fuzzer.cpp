// Any Launcher.con and Launcher.con_shift (the input split in two): every connection read
// in every section and Shift state names no panel outside 1..8.
#include "store/connections.h"
#include "fuzz_files.h"
#include "store/selection.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz_folder();
    size_t half = size / 2;
    write_fuzz_file(connections_path, data, half);
    write_fuzz_file(connections_shift_path, data + half, size - half);
    load_connections();
    for (int shift : {0, 1}) {
        for (int number : {0, 1, 2, 3, -1}) {
            shift_active = shift;
            section = number;
            for (int panel = 0; panel <= PANELS_PER_SET + 1; ++panel) {
                int target = linked_panel(panel);
                if (target < 0 || target > PANELS_PER_SET) {
                    __builtin_trap();
                }
            }
        }
    }
    shift_active = 0;
    section = 0;
    return 0;
}
