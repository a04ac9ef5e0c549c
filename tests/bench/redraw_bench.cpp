// Times the full redraw of the launcher window's panels, in the process that owns the
// window, over a panel set of eight path items and one of eight Emailer and Text items.
// Prints the median and the spread of each, in microseconds.
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <vector>

#include "app/launcher_window.h"
#include "store/panel_set.h"
#include "view/panel_view.h"
#include "files/paths.h"

static double now_microseconds()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER value;
        QueryPerformanceFrequency(&value);
        return value;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart);
}

static void fill_set(const char* const items[8])
{
    for (int i = 0; i < 8; ++i) {
        current_set->occupied[i] = 1;
        std::memset(current_set->item_text[i], 0, ITEM_TEXT_SIZE);
        std::strncpy(current_set->item_text[i], items[i], ITEM_TEXT_SIZE - 1);
    }
}

static void report(const char* name, const char* const items[8], int runs)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        fill_set(items);
        clear_panel_view();
        double start = now_microseconds();
        refresh_panels(0);
        times.push_back(now_microseconds() - start);
    }
    std::sort(times.begin(), times.end());
    int shown = 0;
    for (int i = 0; i < 8; ++i) {
        shown += current_set->occupied[i] == 1 ? 1 : 0;
    }
    std::printf("%s median_us %.0f min_us %.0f max_us %.0f runs %d panels_shown %d\n", name, times[times.size() / 2],
                times.front(), times.back(), runs, shown);
}

int main(int argc, char** argv)
{
    int runs = argc > 1 ? std::atoi(argv[1]) : 50;
    HWND window = create_launcher_window(GetModuleHandleA(nullptr));
    if (window == nullptr) {
        return 1;
    }
    char system_folder[MAX_PATH];
    GetSystemDirectoryA(system_folder, sizeof system_folder);
    static char paths[8][MAX_PATH + 32];
    const char* names[8] = {"notepad.exe", "msiexec.exe",  "cmd.exe", "write.exe",
                            "winver.exe",  "explorer.exe", "drivers", "kernel32.dll"};
    const char* path_items[8];
    for (int i = 0; i < 8; ++i) {
        std::snprintf(paths[i], sizeof paths[i], "%s\\%s", system_folder, names[i]);
        path_items[i] = paths[i];
    }
    const char* special_items[8] = {"@EFriends@1a@example.com", "@TNotes@1C:\\t\\1.txt", "@EWork@1b@example.com",
                                    "@TList@1C:\\t\\2.txt",     "@EHome@1c@example.com", "@TCode@1C:\\t\\3.txt",
                                    "@EClub@1d@example.com",    "@TIdeas@1C:\\t\\4.txt"};
    report("redraw_paths", path_items, runs);
    report("redraw_special", special_items, runs);
    // The set was changed in memory only; nothing here is saved.
    DestroyWindow(window);
    return 0;
}
