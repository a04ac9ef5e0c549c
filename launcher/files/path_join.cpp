#include "files/path_join.h"

#include <cstdio>
#include <cstring>

void copy_text(char* out, size_t size, const char* text)
{
    std::memset(out, 0, size);
    if (size == 0) {
        return;
    }
    size_t length = std::strlen(text);
    std::memcpy(out, text, length < size - 1 ? length : size - 1);
}

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

const char* file_name_part(const char* path)
{
    const char* name = path;
    for (const char* c = path; *c != '\0'; ++c) {
        if (*c == '\\' || *c == '/') {
            name = c + 1;
        }
    }
    return name;
}

bool same_file_name(const char* path_a, const char* path_b)
{
    const char* a = file_name_part(path_a);
    const char* b = file_name_part(path_b);
    if (*a == '\0') {
        return false;
    }
    for (;; ++a, ++b) {
        char x = ascii_lower(*a);
        char y = ascii_lower(*b);
        if (x != y) {
            return false;
        }
        if (x == '\0') {
            return true;
        }
    }
}
