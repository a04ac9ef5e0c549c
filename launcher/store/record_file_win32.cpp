// Replacing a data file on Windows: a temporary file beside it, flushed, then moved over it.
#include <windows.h>

#include <cstdio>

#include "store/record_file.h"

int write_record_file(const char* path, const void* record, size_t size)
{
    char temporary[MAX_PATH * 4] = {};
    int length = std::snprintf(temporary, sizeof temporary, "%s.tmp", path);
    if (path[0] == '\0' || length < 0 || static_cast<size_t>(length) >= sizeof temporary) {
        return 0;
    }
    // A file the user made read-only is not replaced (Windows refuses to move a file over it;
    // Wine would not).
    DWORD attributes = GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        SetLastError(ERROR_ACCESS_DENIED);
        return 0;
    }
    HANDLE file = CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return 0;
    }
    DWORD written = 0;
    BOOL ok = WriteFile(file, record, static_cast<DWORD>(size), &written, nullptr) && written == size &&
              FlushFileBuffers(file);
    CloseHandle(file);
    if (ok && MoveFileExA(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return 1;
    }
    // The caller may tell the user why the save failed; the clean-up must not change that.
    DWORD error = GetLastError();
    DeleteFileA(temporary);
    SetLastError(error);
    return 0;
}
