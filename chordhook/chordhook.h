// The contract between the launcher and the hook library: the chord message and the
// library's exports. Both sides include this header and nothing else of each other.
#pragma once

#include <windows.h>

// Posted to the launcher window when a mouse chord completes; wParam and lParam are 0.
#define WM_CHORD_ACTIVATE 0xB706

#if defined(CHORDHOOK_BUILD)
// The library exports through its .def file only, so that no decorated name is exported too.
#define CHORDHOOK_API
#else
#define CHORDHOOK_API __declspec(dllimport)
#endif

// The export names are fixed (the leading underscore is part of them); the .def file maps
// them onto these functions so that no compiler decoration leaks into the export table.
extern "C" {
CHORDHOOK_API int __cdecl _install_module(HWND target);
CHORDHOOK_API int __cdecl _install_module_vista(HWND target);
CHORDHOOK_API int __cdecl _remove_module(void);
CHORDHOOK_API LRESULT CALLBACK _proc_module(int code, WPARAM wparam, LPARAM lparam);
// How many events the hook procedure has been called for in this process (wraps around).
CHORDHOOK_API LONG __cdecl _seen_module(void);
}
