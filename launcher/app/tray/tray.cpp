#include "app/tray/tray.h"

#include <shellapi.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "state/window_state.h"
#include "files/path_join.h"
#include "testing.h"
#include "window/popup_menu.h"
#include "resources/resource.h"
#include "app/tray/web_pages.h"

// The shell version 5 layout with the 128-character tip: 488 bytes in the 32-bit build.
constexpr DWORD TRAY_RECORD_SIZE = NOTIFYICONDATAA_V2_SIZE;
static_assert(sizeof(void*) != 4 || TRAY_RECORD_SIZE == 488, "tray record size");

// The pause state the icon and the menu show.
static bool shown_paused;

static NOTIFYICONDATAA tray_record(HWND window)
{
    NOTIFYICONDATAA record = {};
    record.cbSize = TRAY_RECORD_SIZE;
    record.hWnd = window;
    record.uID = TRAY_ICON_ID;
    return record;
}

// The icon's picture greyed and lightened, alpha kept: the paused state at a glance.
static HICON greyed_icon(HICON icon)
{
    ICONINFO info = {};
    if (!GetIconInfo(icon, &info)) {
        return nullptr;
    }
    HICON result = nullptr;
    BITMAP bitmap = {};
    if (info.hbmColor != nullptr && GetObjectA(info.hbmColor, sizeof bitmap, &bitmap) != 0) {
        BITMAPINFO format = {};
        format.bmiHeader.biSize = sizeof format.bmiHeader;
        format.bmiHeader.biWidth = bitmap.bmWidth;
        format.bmiHeader.biHeight = -bitmap.bmHeight;
        format.bmiHeader.biPlanes = 1;
        format.bmiHeader.biBitCount = 32;
        format.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        HDC screen = GetDC(nullptr);
        HBITMAP grey = CreateDIBSection(screen, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (grey != nullptr && GetDIBits(screen, info.hbmColor, 0, static_cast<UINT>(bitmap.bmHeight), bits, &format,
                                         DIB_RGB_COLORS) != 0) {
            auto* pixels = static_cast<uint32_t*>(bits);
            for (int i = 0; i < bitmap.bmWidth * bitmap.bmHeight; ++i) {
                uint32_t p = pixels[i];
                uint32_t luma = (((p >> 16) & 0xFF) * 30 + ((p >> 8) & 0xFF) * 59 + (p & 0xFF) * 11) / 100;
                uint32_t light = 96 + luma / 2;
                pixels[i] = (p & 0xFF000000) | (light << 16) | (light << 8) | light;
            }
            ICONINFO greyed = info;
            greyed.hbmColor = grey;
            result = CreateIconIndirect(&greyed);
        }
        if (grey != nullptr) {
            DeleteObject(grey);
        }
        ReleaseDC(nullptr, screen);
    }
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return result;
}

// The record's picture and tip for the pause state; returns the icon to destroy afterwards.
static HICON set_tray_picture(NOTIFYICONDATAA& record, bool paused)
{
    shown_paused = paused;
    HICON icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_WINDOW), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    if (paused) {
        HICON grey = greyed_icon(icon);
        if (grey != nullptr) {
            DestroyIcon(icon);
            icon = grey;
        }
    }
    record.hIcon = icon;
    copy_text(record.szTip, sizeof record.szTip, paused ? "Vantrel (paused)" : "Vantrel");
    return icon;
}

void add_tray_icon(HWND window, bool paused)
{
    NOTIFYICONDATAA record = tray_record(window);
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = WM_TRAY_NOTIFY;
    HICON icon = set_tray_picture(record, paused);
    if (!Shell_NotifyIconA(NIM_ADD, &record)) {
        Shell_NotifyIconA(NIM_ADD, &record);
    }
    DestroyIcon(icon);
}

void show_pause_in_tray(HWND window, bool paused)
{
    NOTIFYICONDATAA record = tray_record(window);
    record.uFlags = NIF_ICON | NIF_TIP;
    HICON icon = set_tray_picture(record, paused);
    Shell_NotifyIconA(NIM_MODIFY, &record);
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

const char* saved_data_subject(const char* path)
{
    if (path != nullptr && same_file_name(path, "Launcher.opt")) {
        return "your options";
    }
    if (path != nullptr && same_file_name(path, "Vantrel.ini")) {
        return "your chord and key settings";
    }
    return "your panels";
}

void notify_save_failure(const char* path)
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
    for (size_t length = std::strlen(reason);
         length > 0 && (reason[length - 1] == '\r' || reason[length - 1] == '\n' || reason[length - 1] == ' ');
         --length) {
        reason[length - 1] = '\0';
    }
    std::snprintf(save_notice, sizeof save_notice, "Vantrel could not save %s: %s", saved_data_subject(path), reason);
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
    if (mouse_message == WM_RBUTTONDOWN) {
        show_tray_menu(window);
    }
    return DefWindowProcA(window, WM_TRAY_NOTIFY, id, mouse_message);
}

static void check_tray_items(HMENU menu)
{
    CheckMenuItem(menu, ID_PAUSE_CHORDS, MF_BYCOMMAND | (shown_paused ? MF_CHECKED : MF_UNCHECKED));
}

void show_tray_menu(HWND window)
{
    track_popup_menu(window, IDM_TRAY, check_tray_items);
}

void open_manual()
{
    open_web_page("/vantrel/manual.html?src=qz");
}

void open_maker_site()
{
    open_web_page("/?src=qz");
}
