// Appends lines to a log file that the end-to-end tests read while the probe runs.
#pragma once

#include <windows.h>

#include <cstdio>
#include <cstring>

inline void append_log_line(const char* path, const char* line)
{
    HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return;
    }
    DWORD written;
    WriteFile(file, line, static_cast<DWORD>(std::strlen(line)), &written, nullptr);
    WriteFile(file, "\n", 1, &written, nullptr);
    CloseHandle(file);
}
