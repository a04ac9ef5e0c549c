// Where the program looks for a library named without a path: in the system folder only,
// never in the current folder, nor in its own folder, which the user (or any program of
// theirs) may be able to write to, so that nothing planted beside the program is loaded
// into it. Header-only: the setup program's starter uses it too.
#pragma once

#include <windows.h>

// Looked up at run time: Windows before 8 (7 without its security update) lacks the call and
// still starts; there only the current folder leaves the search. Returns whether the search
// is now the system folder alone.
inline bool restrict_dll_search()
{
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    using SetDirectory = BOOL(WINAPI*)(LPCWSTR);
    auto set_directory =
        reinterpret_cast<SetDirectory>(reinterpret_cast<void*>(GetProcAddress(kernel, "SetDllDirectoryW")));
    if (set_directory != nullptr) {
        set_directory(L"");
    }
    using SetDefaultDirectories = BOOL(WINAPI*)(DWORD);
    auto set_default = reinterpret_cast<SetDefaultDirectories>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
    constexpr DWORD SEARCH_SYSTEM32 = 0x00000800; // LOAD_LIBRARY_SEARCH_SYSTEM32
    return set_default != nullptr && set_default(SEARCH_SYSTEM32) != FALSE;
}
