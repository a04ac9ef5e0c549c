#include "tray.h"

#include <shellapi.h>

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

void remove_tray_icon(HWND window)
{
    NOTIFYICONDATAA record = tray_record(window);
    Shell_NotifyIconA(NIM_DELETE, &record);
}

LRESULT on_tray_notify(HWND window, WPARAM id, LPARAM mouse_message)
{
    if (mouse_message == WM_LBUTTONDBLCLK) {
        reset_section();
        show_launcher_window(main_window);
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
