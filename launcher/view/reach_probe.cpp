#include "view/reach_probe.h"

#include <windows.h>

#include <cstring>

#include "store/panel_set.h"

namespace {

// How long the launcher waits for the drives and shares of a redraw to answer before it
// takes those still silent as out of reach: an offline server can take tens of seconds,
// and the window must not freeze.
constexpr DWORD REACH_TIME_LIMIT_MS = 300;

struct ReachQuery {
    char root[ITEM_TEXT_SIZE];
    char path[ITEM_TEXT_SIZE];
    DWORD root_error;
    DWORD file_error;
    LONG references;
};

DWORD error_of(const char* path)
{
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES ? 0 : GetLastError();
}

void release(ReachQuery* query)
{
    if (InterlockedDecrement(&query->references) == 0) {
        delete query;
    }
}

DWORD WINAPI ask_about_target(void* parameter)
{
    auto* query = static_cast<ReachQuery*>(parameter);
    query->root_error = error_of(query->root);
    query->file_error = query->root_error == 0 ? error_of(query->path) : 0;
    release(query);
    return 0;
}

// Whether a root is the system drive's ("C:\"): that drive answers for as long as the
// system itself does.
bool is_system_drive(const char* root)
{
    // The system folder's drive letter in lower case, or 0 where it cannot be told; asked once.
    static const char system_letter = [] {
        char system[MAX_PATH] = {};
        UINT length = GetSystemDirectoryA(system, sizeof system);
        return length >= 3 && length < sizeof system ? static_cast<char>(system[0] | 0x20) : '\0';
    }();
    return root[0] != '\\' && system_letter != '\0' && (root[0] | 0x20) == system_letter;
}

} // namespace

void reach_of_items(const char* const* items, int first, int count, TargetReach* reach)
{
    ReachQuery* queries[PANELS_PER_SET] = {};
    HANDLE threads[PANELS_PER_SET] = {};
    for (int i = first; i < first + count; ++i) {
        const char* item = items[i];
        reach[i] = TargetReach::present;
        char root[ITEM_TEXT_SIZE] = {};
        if (item[0] == '\0' || is_special_item(item) || !target_root(item, root, sizeof root)) {
            continue;
        }
        if (is_system_drive(root)) {
            DWORD root_error = error_of(root);
            reach[i] = judge_target(root_error, root_error == 0 ? error_of(item) : 0);
            continue;
        }
        auto* query = new ReachQuery();
        std::memcpy(query->root, root, sizeof root);
        std::strncpy(query->path, item, sizeof query->path - 1);
        query->references = 2;
        threads[i] = CreateThread(nullptr, 0, ask_about_target, query, 0, nullptr);
        if (threads[i] == nullptr) {
            query->references = 1;
            release(query);
            reach[i] = TargetReach::unreachable;
            continue;
        }
        queries[i] = query;
    }
    DWORD asked = GetTickCount();
    for (int i = first; i < first + count; ++i) {
        if (threads[i] == nullptr) {
            continue;
        }
        DWORD spent = GetTickCount() - asked;
        DWORD left = spent < REACH_TIME_LIMIT_MS ? REACH_TIME_LIMIT_MS - spent : 0;
        bool answered = WaitForSingleObject(threads[i], left) == WAIT_OBJECT_0;
        CloseHandle(threads[i]);
        reach[i] = answered ? judge_target(queries[i]->root_error, queries[i]->file_error) : TargetReach::unreachable;
        release(queries[i]);
    }
}
