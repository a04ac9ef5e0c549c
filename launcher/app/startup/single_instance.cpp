#include "app/startup/single_instance.h"

#include <cstring>

#include "files/path_join.h"
#include "files/process_image.h"
#include "window/show_hide.h"

namespace {

struct Search {
    const char* caption;
    const char* program_file;
    HWND found;
};

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
    DWORD process_id = 0;
    GetWindowThreadProcessId(window, &process_id);
    // When its program cannot be asked, a dialog of that caption is taken as ours.
    if (process_image_path(process_id, program, sizeof program) && !same_file_name(program, search.program_file)) {
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
