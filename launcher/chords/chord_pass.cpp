#include "chords/chord_pass.h"

#include <cstring>

#include "files/path_join.h"

// The foreground window, other than the desktop or the taskbar, covers its whole monitor.
static bool covers_its_monitor(const Foreground& foreground)
{
    const Area& window = foreground.window;
    const Area& monitor = foreground.monitor;
    bool empty_monitor = monitor.right <= monitor.left || monitor.bottom <= monitor.top;
    return foreground.has_window == 1 && foreground.shell_window == 0 && !empty_monitor &&
           window.left <= monitor.left && window.top <= monitor.top && window.right >= monitor.right &&
           window.bottom >= monitor.bottom;
}

bool full_screen_in_front(const Foreground& foreground)
{
    switch (foreground.notification_state) {
    case NOTIFICATION_D3D_FULL_SCREEN:
    case NOTIFICATION_PRESENTATION_MODE:
        return true;
    case NOTIFICATION_BUSY:
        // Some overlays keep the system "busy" for hours over ordinary desktops: busy counts
        // only with a window in front that covers its monitor, maximised with a caption or not.
        return covers_its_monitor(foreground);
    default:
        return covers_its_monitor(foreground) && foreground.maximised_captioned == 0;
    }
}

const char* cached_program_name(const ProgramNameCache& cache, uintptr_t window, uint32_t process_id)
{
    for (const auto& entry : cache.entries) {
        if (entry.window == window && entry.process_id == process_id && window != 0) {
            return entry.name;
        }
    }
    return nullptr;
}

const char* remember_program_name(ProgramNameCache& cache, uintptr_t window, uint32_t process_id, const char* path)
{
    const char* name = file_name_part(path);
    auto& entry = cache.entries[cache.next % PROGRAM_NAME_CACHE_SIZE];
    cache.next = (cache.next + 1) % PROGRAM_NAME_CACHE_SIZE;
    entry.window = window;
    entry.process_id = process_id;
    std::memset(entry.name, 0, sizeof entry.name);
    std::strncpy(entry.name, name, sizeof entry.name - 1);
    return entry.name;
}
