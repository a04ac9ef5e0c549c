#include "single_instance.h"

#include <cstring>

#include "launcher_window.h"
#include "path_join.h"

namespace {

struct Search {
    const char* caption;
    const char* program_file;
    HWND found;
};

// The file of the program that owns a window; empty when the process cannot be asked.
void program_of(HWND window, char* path, DWORD size)
{
    path[0] = '\0';
    DWORD process_id = 0;
    GetWindowThreadProcessId(window, &process_id);
    using QueryImageName = BOOL(WINAPI*)(HANDLE, DWORD, LPSTR, PDWORD);
    static const auto query_image_name = reinterpret_cast<QueryImageName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "QueryFullProcessImageNameA")));
    // The limited right is enough from Vista on, also for a process of higher integrity.
    constexpr DWORD QUERY_LIMITED_INFORMATION = 0x1000;
    HANDLE process = OpenProcess(query_image_name != nullptr ? QUERY_LIMITED_INFORMATION : PROCESS_QUERY_INFORMATION,
                                 FALSE, process_id);
    if (process == nullptr) {
        return;
    }
    DWORD length = size;
    if (query_image_name == nullptr || !query_image_name(process, 0, path, &length)) {
        path[0] = '\0';
    }
    CloseHandle(process);
}

BOOL CALLBACK check_window(HWND window, LPARAM context)
{
    Search& search = *reinterpret_cast<Search*>(context);
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    if (std::strcmp(text, search.caption) != 0) {
        return TRUE;
    }
    char class_name[16] = {};
    GetClassNameA(window, class_name, sizeof class_name);
    if (std::strcmp(class_name, "#32770") != 0) {
        return TRUE;
    }
    char program[MAX_PATH] = {};
    program_of(window, program, sizeof program);
    // Without a way to ask (Windows before Vista), a dialog of that caption is taken as ours.
    if (program[0] != '\0' && !same_file_name(program, search.program_file)) {
        return TRUE;
    }
    search.found = window;
    return FALSE;
}

} // namespace

HWND find_running_instance(const char* caption, const char* program_file)
{
    Search search = {caption, program_file, nullptr};
    EnumWindows(check_window, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND find_running_instance(const char* caption)
{
    char own[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, own, sizeof own);
    return find_running_instance(caption, own);
}

void hand_over_to_running_instance(HWND window)
{
    show_launcher_window(window);
}
