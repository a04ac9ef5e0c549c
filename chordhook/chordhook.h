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
#if defined(CHORDHOOK_BUILD)
// Exported undecorated, which no 32-bit import library can name: callers outside the
// library take it by name with chordhook_procedure() below.
LRESULT CALLBACK _proc_module(int code, WPARAM wparam, LPARAM lparam);
#endif
// How many events the hook procedure has been called for in this process (wraps around).
CHORDHOOK_API LONG __cdecl _seen_module(void);
// From now on, at each chord's completing press, asks whether the program under the pointer
// keeps the chord, and leaves both presses to it when it does; 0 stops asking. Moves, other
// presses and releases never ask. The low-level hook sends this message to its target window,
// which lives on the hook's own thread (lParam: the pointer's screen x and y in its low and
// high words; the answer CHORD_KEPT_BY_PROGRAM keeps the chord). The in-process hook runs in
// other programs and never sends: it decides from the rules in CHORD_RULES_MAPPING.
CHORDHOOK_API void __cdecl _ask_module(UINT message);
}

#if !defined(CHORDHOOK_BUILD)
// The hook procedure, looked up by its export name in the loaded library.
inline HOOKPROC chordhook_procedure()
{
    return reinterpret_cast<HOOKPROC>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("chordhook.dll"), "_proc_module")));
}
#endif

// The rules the in-process hook decides by, kept current by the launcher in a named shared
// memory of the session. Any program of the user can read or write it, as it can the library's
// shared section: at worst chords go to the wrong side.
#define CHORD_RULES_MAPPING "Local\\VantrelChordRules"
#define CHORD_RULES_PROGRAMS 64
#define CHORD_RULES_NAME_SIZE 260

struct ChordRules {
    INT32 paused;             // every program keeps its chords
    INT32 full_screen_passes; // a full-screen program keeps its chords
    INT32 notification_state; // the system's last word on the foreground, 0 when unknown
    UINT32 program_count;     // the listed programs that keep their chords
    char programs[CHORD_RULES_PROGRAMS][CHORD_RULES_NAME_SIZE]; // file names, each ending in its field
};

// The answer to the ask message that leaves the chord to the program under the pointer.
#define CHORD_KEPT_BY_PROGRAM 1
// How long the hook waits for that answer before it takes the chord after all.
#define CHORD_ASK_TIMEOUT_MS 200
