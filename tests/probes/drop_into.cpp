// Loaded into the running launcher by "session_tool drop": drops a file on the launcher
// window from inside the launcher's own process, as the shell's drag and drop does (the
// WM_DROPFILES memory belongs to the receiving process). The request lies beside this
// library in drop_request.txt: "X Y PATH", the point in client coordinates.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "wide_drop.h"

static DWORD WINAPI drop(void* module)
{
    char request[MAX_PATH + 32] = {};
    char path[MAX_PATH] = {};
    GetModuleFileNameA(static_cast<HMODULE>(module), path, sizeof path);
    std::strcpy(std::strrchr(path, '\\') + 1, "drop_request.txt");
    FILE* file = std::fopen(path, "rb");
    if (file != nullptr) {
        std::fread(request, 1, sizeof request - 1, file);
        std::fclose(file);
    }
    int x = 0;
    int y = 0;
    int used = 0;
    HWND window = FindWindowA(nullptr, "Vantrel - Brasmoor");
    if (std::sscanf(request, "%d %d %n", &x, &y, &used) == 2 && window != nullptr) {
        wchar_t name[MAX_PATH] = {};
        MultiByteToWideChar(CP_ACP, 0, request + used, -1, name, MAX_PATH);
        PostMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(make_wide_drop(name, POINT{x, y})), 0);
    }
    FreeLibraryAndExitThread(static_cast<HMODULE>(module), 0);
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        HANDLE thread = CreateThread(nullptr, 0, drop, instance, 0, nullptr);
        if (thread != nullptr) {
            CloseHandle(thread);
        }
    }
    return TRUE;
}
