#include "view/target_reach.h"

#include <cstring>

TargetReach judge_target(uint32_t root_error, uint32_t file_error)
{
    if (root_error != 0) {
        return TargetReach::unreachable;
    }
    if (file_error == 0) {
        return TargetReach::present;
    }
    // Only "no such file or folder" from a root that answers means gone; a refusal, a
    // sharing violation or a drive that stopped answering in between says nothing.
    return file_error == REACH_FILE_NOT_FOUND || file_error == REACH_PATH_NOT_FOUND ? TargetReach::gone
                                                                                    : TargetReach::unreachable;
}

static bool is_letter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool target_root(const char* path, char* out, size_t out_size)
{
    if (out_size == 0) {
        return false;
    }
    out[0] = '\0';
    size_t length = 0;
    if (is_letter(path[0]) && path[1] == ':' && path[2] == '\\') {
        length = 3;
    } else if (path[0] == '\\' && path[1] == '\\' && path[2] != '\0' && path[2] != '\\' && path[2] != '?' &&
               path[2] != '.') {
        // \\server\share\ : the server, a backslash, the share, and its backslash.
        const char* server_end = std::strchr(path + 2, '\\');
        if (server_end == nullptr || server_end[1] == '\0' || server_end[1] == '\\') {
            return false;
        }
        const char* share_end = std::strchr(server_end + 1, '\\');
        length = share_end != nullptr ? static_cast<size_t>(share_end - path) + 1 : std::strlen(path);
    } else {
        return false;
    }
    if (length + 2 > out_size) {
        return false;
    }
    std::memcpy(out, path, length);
    if (out[length - 1] != '\\') {
        out[length++] = '\\';
    }
    out[length] = '\0';
    return true;
}

const char* target_file_name(const char* path)
{
    const char* last = std::strrchr(path, '\\');
    return last != nullptr ? last + 1 : path;
}
