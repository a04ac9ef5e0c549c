#include "commands/file_names.h"

#include <cstdio>
#include <cstring>

int extract_file_name(const char* path, char* out, size_t out_size)
{
    const char* backslash = std::strrchr(path, '\\');
    if (backslash == nullptr || backslash == path) {
        return 0;
    }
    int written = std::snprintf(out, out_size, "%s", backslash + 1);
    return written >= 0 && static_cast<size_t>(written) < out_size ? 1 : 0;
}

bool is_movable_shortcut(const char* path)
{
    size_t length = std::strlen(path);
    if (length <= 4) {
        return false;
    }
    const char* extension = path + length - 4;
    return std::strcmp(extension, ".lnk") == 0 || std::strcmp(extension, ".url") == 0;
}

int numbered_file_name(const char* name, int number, char* out, size_t out_size)
{
    const char* dot = std::strrchr(name, '.');
    // A dot before the last backslash belongs to a folder, not to the name's extension.
    const char* backslash = std::strrchr(name, '\\');
    if (dot != nullptr && backslash != nullptr && backslash > dot) {
        dot = nullptr;
    }
    int stem = dot != nullptr ? static_cast<int>(dot - name) : static_cast<int>(std::strlen(name));
    int written = std::snprintf(out, out_size, "%.*s (%d)%s", stem, name, number, dot != nullptr ? dot : "");
    return written >= 0 && static_cast<size_t>(written) < out_size ? 1 : 0;
}
