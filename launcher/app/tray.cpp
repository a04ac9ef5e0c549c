#include "tray.h"

#include <shellapi.h>

#include <cstdio>
#include <cstring>

#include "launcher_window.h"
#include "pointer.h"
#include "popup_menu.h"
#include "resource.h"
#include "text_buffer.h"
#include "web_pages.h"

// The shell version 5 layout with the 128-character tip: 488 bytes in the 32-bit build.
constexpr DWORD TRAY_RECORD_SIZE = NOTIFYICONDATAA_V2_SIZE;
static_assert(sizeof(void*) != 4 || TRAY_RECORD_SIZE == 488, "tray record size");

static NOTIFYICONDATAA tray_record(HWND window)
{
    NOTIFYICONDATAA record = {};
    record.cbSize = TRAY_RECORD_SIZE;
    record.hWnd = window;
    record.uID = TRAY_ICON_ID;
    return record;
}

void add_tray_icon(HWND window)
{
    HICON icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_WINDOW), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    NOTIFYICONDATAA record = tray_record(window);
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = WM_TRAY_NOTIFY;
    record.hIcon = icon;
    copy_text(record.szTip, sizeof record.szTip, "Vantrel");
    if (!Shell_NotifyIconA(NIM_ADD, &record)) {
        Shell_NotifyIconA(NIM_ADD, &record);
    }
    DestroyIcon(icon);
}

UINT taskbar_created_message()
{
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}

constexpr DWORD SAVE_NOTICE_INTERVAL_MS = 60000;
static int save_notices;
static DWORD last_save_notice_tick;
static char save_notice[256];

void notify_save_failure(const char*)
{
    DWORD error = GetLastError();
    DWORD now = GetTickCount();
    if (save_notices > 0 && now - last_save_notice_tick < SAVE_NOTICE_INTERVAL_MS) {
        return;
    }
    char reason[200] = {};
    if (FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, reason,
                       sizeof reason, nullptr) == 0) {
        std::snprintf(reason, sizeof reason, "error %lu", error);
    }
    // The system's messages end in a line break.
    for (size_t length = std::strlen(reason); length > 0 && (reason[length - 1] == '\r' || reason[length - 1] == '\n' ||
                                                             reason[length - 1] == ' ');
         --length) {
        reason[length - 1] = '\0';
    }
    std::snprintf(save_notice, sizeof save_notice, "Vantrel could not save your panels: %s", reason);
    NOTIFYICONDATAA record = tray_record(main_window);
    record.uFlags = NIF_INFO;
    copy_text(record.szInfo, sizeof record.szInfo, save_notice);
    copy_text(record.szInfoTitle, sizeof record.szInfoTitle, "Vantrel");
    record.dwInfoFlags = NIIF_WARNING;
    Shell_NotifyIconA(NIM_MODIFY, &record);
    save_notices += 1;
    last_save_notice_tick = now;
}

int save_notices_shown()
{
    return save_notices;
}

const char* last_save_notice()
{
    return save_notice;
}

void remove_tray_icon(HWND window)
{
    NOTIFYICONDATAA record = tray_record(window);
    Shell_NotifyIconA(NIM_DELETE, &record);
}

LRESULT on_tray_notify(HWND window, WPARAM id, LPARAM mouse_message)
{
    if (mouse_message == WM_LBUTTONDBLCLK) {
        activate_launcher_window();
    } else if (mouse_message == WM_RBUTTONDOWN) {
        show_tray_menu(window);
    }
    return DefWindowProcA(window, WM_TRAY_NOTIFY, id, mouse_message);
}

void show_tray_menu(HWND window)
{
    track_popup_menu(window, IDM_TRAY);
}

void open_manual()
{
    open_web_page("/vantrel/manual.html?src=qz");
}

void open_maker_site()
{
    open_web_page("/?src=qz");
}
