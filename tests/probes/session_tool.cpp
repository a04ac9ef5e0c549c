// Does to a running launcher what the system may do behind its back.
//   session_tool remove-hook      removes the chord hook (the library's shared section names
//                                 it), as the system does when it drops a hook; exit code is
//                                 _remove_module's result
//   session_tool query-end        asks the launcher window whether the session may end;
//                                 exit code is its answer
//   session_tool end-cancelled    tells the launcher window that the session goes on
//   session_tool dialog-text CAPTION ID   prints the text of a control of a window found by
//                                 its caption (exit code 101 when there is no such window)
//   session_tool clipboard        prints the clipboard's text
//   session_tool resources        prints the launcher process's working set, private bytes,
//                                 handle, GDI and USER object counts
//   session_tool cycles N         activates and hides the launcher window N times through its
//                                 own messages (the chord message and the close command)
//   session_tool report           prints the launcher window's place, its client origin and
//                                 the texts and states of its controls, one "key value" a line
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "chordhook.h"

#include <psapi.h>

static HWND launcher_window()
{
    return FindWindowA(nullptr, "Vantrel - Brasmoor");
}

int main(int argc, char** argv)
{
    if (argc < 2) {
        return 100;
    }
    // Texts are printed as they are, line breaks included.
    _setmode(_fileno(stdout), _O_BINARY);
    if (std::strcmp(argv[1], "remove-hook") == 0) {
        return _remove_module();
    }
    if (std::strcmp(argv[1], "dialog-text") == 0 && argc >= 4) {
        HWND dialog = FindWindowA(nullptr, argv[2]);
        if (dialog == nullptr) {
            return 101;
        }
        char text[4096] = {};
        GetDlgItemTextA(dialog, std::atoi(argv[3]), text, sizeof text);
        std::printf("%s", text);
        return 0;
    }
    if (std::strcmp(argv[1], "clipboard") == 0) {
        if (!OpenClipboard(nullptr)) {
            return 102;
        }
        HANDLE data = GetClipboardData(CF_TEXT);
        if (data != nullptr) {
            std::fwrite(GlobalLock(data), 1, std::strlen(static_cast<const char*>(GlobalLock(data))), stdout);
            GlobalUnlock(data);
            GlobalUnlock(data);
        }
        CloseClipboard();
        return data != nullptr ? 0 : 103;
    }
    HWND window = launcher_window();
    if (window == nullptr) {
        return 101;
    }
    if (std::strcmp(argv[1], "query-end") == 0) {
        return static_cast<int>(SendMessageA(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF));
    }
    if (std::strcmp(argv[1], "resources") == 0) {
        DWORD process_id = 0;
        GetWindowThreadProcessId(window, &process_id);
        HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, process_id);
        if (process == nullptr) {
            return 102;
        }
        PROCESS_MEMORY_COUNTERS_EX memory = {};
        memory.cb = sizeof memory;
        GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
        DWORD handles = 0;
        GetProcessHandleCount(process, &handles);
        std::printf("working_set %llu\nprivate_bytes %llu\nhandles %lu\ngdi %lu\nuser %lu\n",
                    static_cast<unsigned long long>(memory.WorkingSetSize),
                    static_cast<unsigned long long>(memory.PrivateUsage), handles,
                    GetGuiResources(process, GR_GDIOBJECTS), GetGuiResources(process, GR_USEROBJECTS));
        CloseHandle(process);
        return 0;
    }
    if (std::strcmp(argv[1], "cycles") == 0 && argc >= 3) {
        int count = std::atoi(argv[2]);
        for (int i = 0; i < count; ++i) {
            SendMessageA(window, WM_CHORD_ACTIVATE, 0, 0);
            SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        return 0;
    }
    if (std::strcmp(argv[1], "report") == 0) {
        RECT rect;
        GetWindowRect(window, &rect);
        POINT origin = {0, 0};
        ClientToScreen(window, &origin);
        std::printf("window %ld %ld %ld %ld\n", rect.left, rect.top, rect.right, rect.bottom);
        std::printf("client %ld %ld\n", origin.x, origin.y);
        std::printf("visible %d\n", IsWindowVisible(window) ? 1 : 0);
        std::printf("topmost %d\n", (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) ? 1 : 0);
        std::printf("caption-button %d %d\n", GetSystemMetrics(SM_CXSIZE), GetSystemMetrics(SM_CYSIZE));
        std::printf("frame %d %d\n", GetSystemMetrics(SM_CXFIXEDFRAME), GetSystemMetrics(SM_CYFIXEDFRAME));
        for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
            char text[1024] = {};
            GetWindowTextA(child, text, sizeof text);
            int id = GetDlgCtrlID(child);
            std::printf("text %d %s\n", id, text);
            std::printf("enabled %d %d\n", id, IsWindowEnabled(child) ? 1 : 0);
        }
        return 0;
    }
    if (std::strcmp(argv[1], "end-cancelled") == 0) {
        SendMessageA(window, WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);
        return 0;
    }
    return 100;
}
