// The facts the chord decision needs, asked of the system only at a chord's completing press.
#include <windows.h>

#include "chords/chord_pass.h"
#include "files/process_image.h"

// Missing from older Windows: looked up, not imported, so the program still starts there.
using NotificationQuery = HRESULT(WINAPI*)(int32_t*);

int32_t notification_state_now()
{
    static const auto query = reinterpret_cast<NotificationQuery>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("shell32.dll"), "SHQueryUserNotificationState")));
    int32_t state = 0;
    if (query == nullptr || FAILED(query(&state))) {
        return 0;
    }
    return state;
}

const char* program_name_of_window(ProgramNameCache& names, uintptr_t window_value)
{
    HWND window = reinterpret_cast<HWND>(window_value);
    DWORD process_id = 0;
    if (window == nullptr || GetWindowThreadProcessId(window, &process_id) == 0) {
        return "";
    }
    const char* cached = cached_program_name(names, window_value, process_id);
    if (cached != nullptr) {
        return cached;
    }
    char path[MAX_PATH * 2] = {};
    if (!process_image_path(process_id, path, sizeof path)) {
        return "";
    }
    return remember_program_name(names, window_value, process_id, path);
}

int chord_kept_by_program(const ChordSettings& settings, int32_t notification_state, ProgramNameCache& names, int x,
                          int y)
{
    if (settings.paused == 1) {
        return 1;
    }
    if (settings.full_screen_passes == 1 && full_screen_in_front(foreground_facts(notification_state))) {
        return 1;
    }
    if (settings.excluded_count == 0) {
        return 0;
    }
    HWND window = WindowFromPoint(POINT{x, y});
    if (window != nullptr) {
        window = GetAncestor(window, GA_ROOT);
    }
    return program_excluded(settings, program_name_of_window(names, reinterpret_cast<uintptr_t>(window))) ? 1 : 0;
}
