#include "chords/chord_pass.h"

#include <cstring>

#include "files/path_join.h"

const char* cached_program_name(const ProgramNameCache& cache, uintptr_t window, uint32_t process_id)
{
    for (const auto& entry : cache.entries) {
        if (entry.window == window && entry.process_id == process_id && window != 0) {
            return entry.name;
        }
    }
    return nullptr;
}

const char* remember_program_name(ProgramNameCache& cache, uintptr_t window, uint32_t process_id, const char* path)
{
    const char* name = file_name_part(path);
    auto& entry = cache.entries[cache.next % PROGRAM_NAME_CACHE_SIZE];
    cache.next = (cache.next + 1) % PROGRAM_NAME_CACHE_SIZE;
    entry.window = window;
    entry.process_id = process_id;
    std::memset(entry.name, 0, sizeof entry.name);
    std::strncpy(entry.name, name, sizeof entry.name - 1);
    return entry.name;
}
