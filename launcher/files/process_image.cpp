#include "files/process_image.h"

#include <psapi.h>

bool process_image_path(DWORD process_id, char* path, DWORD size)
{
    // Missing before Vista: looked up, not imported, so the program still starts there.
    using ImageNameQuery = BOOL(WINAPI*)(HANDLE, DWORD, LPSTR, PDWORD);
    static const auto query = reinterpret_cast<ImageNameQuery>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "QueryFullProcessImageNameA")));
    // The limited right is enough from Vista on, also for a process of higher integrity.
    constexpr DWORD QUERY_LIMITED_INFORMATION = 0x1000;
    HANDLE process = OpenProcess(
        query != nullptr ? QUERY_LIMITED_INFORMATION : PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, process_id);
    if (process == nullptr) {
        return false;
    }
    DWORD length = size;
    bool ok = query != nullptr ? query(process, 0, path, &length) != FALSE
                               : GetModuleFileNameExA(process, nullptr, path, size) != 0;
    CloseHandle(process);
    return ok;
}
