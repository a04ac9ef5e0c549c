// Replacing a data file in the native build (tests and fuzzing on Linux): a temporary file
// beside it, synced, then renamed over it.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "store/record_file.h"

int write_record_file(const char* path, const void* record, size_t size)
{
    char temporary[4096] = {};
    int length = std::snprintf(temporary, sizeof temporary, "%s.tmp", path);
    if (path[0] == '\0' || length < 0 || static_cast<size_t>(length) >= sizeof temporary) {
        return 0;
    }
    int file = open(temporary, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (file < 0) {
        return 0;
    }
    bool ok = write(file, record, size) == static_cast<ssize_t>(size) && fsync(file) == 0;
    ok = close(file) == 0 && ok;
    if (ok && std::rename(temporary, path) == 0) {
        return 1;
    }
    int error = errno;
    unlink(temporary);
    errno = error;
    return 0;
}
