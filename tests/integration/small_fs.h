// The tiny file system a test can fill up (mounted by the test run when it may mount).
#pragma once

#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>

// Its folder as a Windows path, or "" when no small file system was mounted for this run.
inline std::string small_fs_folder()
{
    const char* mount = std::getenv("VANTREL_SMALL_FS");
    if (mount == nullptr) {
        return "";
    }
    std::string folder = std::string("Z:") + mount;
    for (char& c : folder) {
        c = c == '/' ? '\\' : c;
    }
    ULARGE_INTEGER total = {};
    if (!GetDiskFreeSpaceExA(folder.c_str(), nullptr, &total, nullptr) || total.QuadPart > 1024 * 1024) {
        return "";
    }
    return folder;
}

// Writes into a new file until the file system takes no more.
inline void fill_up(const std::string& filler)
{
    HANDLE file = CreateFileA(filler.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    char block[1024];
    std::memset(block, 'f', sizeof block);
    DWORD written = 0;
    while (file != INVALID_HANDLE_VALUE && WriteFile(file, block, sizeof block, &written, nullptr) &&
           written == sizeof block) {
    }
    CloseHandle(file);
}
