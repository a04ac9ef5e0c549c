#include "path_join.h"

#include <cstdio>
#include <cstring>

int join_path(char* out, size_t out_size, const char* folder, const char* name)
{
    std::memset(out, 0, out_size);
    int written = std::snprintf(out, out_size, "%s\\%s", folder, name);
    if (written < 0 || static_cast<size_t>(written) >= out_size) {
        std::memset(out, 0, out_size);
        return 0;
    }
    return 1;
}
