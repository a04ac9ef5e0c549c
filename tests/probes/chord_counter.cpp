// Installs the chord hook through the hook library for a window of its own and records
// every chord message that arrives. Usage: chord_counter LOG (lowlevel|inprocess|spoil)
// "spoil" installs nothing: it writes its own window and a made-up hook handle into the
// library's shared section, as any process that loads the library can, and records every
// chord that is then sent its way.
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "chordhook/chordhook.h"
#include "probe_log.h"

static const char* log_path;

// Overwrites the library's shared section in this process's mapping of it.
static bool spoil_shared_section(HWND window)
{
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA("chordhook.dll"));
    if (base == nullptr) {
        return false;
    }
    auto* headers = reinterpret_cast<IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
    IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(headers);
    for (WORD i = 0; i < headers->FileHeader.NumberOfSections; ++i, ++section) {
        if (std::memcmp(section->Name, ".HOOKDAT", 8) == 0) {
            void* values[2] = {reinterpret_cast<void*>(0x4242), window};
            std::memcpy(base + section->VirtualAddress, values, sizeof values);
            return true;
        }
    }
    return false;
}

static LRESULT CALLBACK counter_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_CHORD_ACTIVATE) {
        append_log_line(log_path, wparam == 0 && lparam == 0 ? "CHORD" : "CHORD-WITH-ARGUMENTS");
        return 1;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    if (__argc < 3) {
        return 2;
    }
    log_path = __argv[1];
    WNDCLASSA window_class = {};
    window_class.lpfnWndProc = counter_proc;
    window_class.hInstance = instance;
    window_class.lpszClassName = "ChordCounter";
    RegisterClassA(&window_class);
    HWND window =
        CreateWindowExA(0, "ChordCounter", "Chord Counter", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, instance, nullptr);
    bool low_level = std::strcmp(__argv[2], "lowlevel") == 0;
    bool spoil = std::strcmp(__argv[2], "spoil") == 0;
    int installed = spoil       ? (spoil_shared_section(window) ? 1 : 0)
                    : low_level ? _install_module_vista(window)
                                : _install_module(window);
    append_log_line(log_path, installed == 1 ? "READY" : "INSTALL-FAILED");
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    if (!spoil) {
        _remove_module();
    }
    return 0;
}
