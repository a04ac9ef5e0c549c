// Does to a running launcher what the system may do behind its back.
//   session_tool remove-hook      removes the chord hook behind the launcher's back, as the
//                                 system does when it drops a hook: the in-process hook
//                                 through the library's shared section; the low-level one,
//                                 whose handle only the launcher knows, by trying every user
//                                 handle value (Wine's are small numbers), which removes
//                                 every hook of the desktop; exit code 1 when one was removed
//   session_tool query-end        asks the launcher window whether the session may end;
//                                 exit code is its answer
//   session_tool end-cancelled    tells the launcher window that the session goes on
//   session_tool dialog-text CAPTION ID   prints the text of a control of a window found by
//                                 its caption (exit code 101 when there is no such window)
//   session_tool set-dialog-text CAPTION ID TEXT   sets that control's text, as typing would
//   session_tool press CAPTION ID presses a button of a window found by its caption
//   session_tool clipboard        prints the clipboard's text
//   session_tool resources        prints the launcher process's working set, private bytes,
//                                 handle, GDI and USER object counts as the system reports
//                                 them, and the same counted from outside the process
//                                 (kernel_handles, gdi_table, windows), for systems that
//                                 report no counts for another process
//   session_tool cycles N         activates and hides the launcher window N times through its
//                                 own messages (the chord message and the close command)
//   session_tool launches N       N times: brings the launcher window up through its chord
//                                 message and presses key 1 (panel 1 launches), a quarter of a
//                                 second apart
//   session_tool shell-restart    what the launcher sees when Explorer restarts: its tray icon
//                                 gone, then the new shell's "TaskbarCreated" broadcast
//   session_tool shutdown         the tray menu's Shutdown Vantrel, sent to the launcher window
//   session_tool decoy            holds a hidden dialog window captioned as the launcher's, as
//                                 another program might, until it is ended
//   session_tool menu-open        exit code 0 while a popup menu of the launcher is shown and
//                                 tracking (taking the keyboard), 1 otherwise
//   session_tool menu-rect        prints the shown popup menu's screen rectangle
//   session_tool drop X Y FILE    drops the file on the launcher window at the client point,
//                                 as Explorer does at the end of a drag: drop_into.dll, loaded
//                                 into the launcher, posts the message from inside it
//   session_tool foreground       prints the caption of the foreground window
//   session_tool control-rect CAPTION ID   prints the screen rectangle of a control of a
//                                 window found by its caption
//   session_tool list-items CAPTION ID     prints the lines of a list box of that window
//   session_tool click CAPTION TEXT        clicks the button (or check box) with that text in
//                                 a shown window with that caption (a trailing space
//                                 aside), however deep it sits;
//                                 exit code 101 while there is none
//   session_tool hold-hotkey      holds Ctrl+Alt+H as another program's hotkey until ended
//   session_tool tray-tip         prints the tips of the notification area's icons, one a
//                                 line, read from the shell's tooltips
//   session_tool report           prints the launcher window's place, its client origin and
//                                 the texts and states of its controls, one "key value" a line
//   session_tool parent PROGRAM   prints the program file name of the process that started
//                                 the running PROGRAM (exit code 1 when none runs)
//   session_tool start-from-shortcut PROGRAM SHORTCUT
//                                 starts PROGRAM as the shell does from a shortcut: with the
//                                 shortcut's path as the start-up title, flagged as a link
//                                 name, and a show command; exit code 0 once it is started
#include <fcntl.h>
#include <io.h>

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "chordhook/chordhook.h"

#include <commctrl.h>
#include <psapi.h>
#include <shellapi.h>
#include <tlhelp32.h>
#include <shlobj.h>
#include <winternl.h>

#include <string>
#include <vector>

// Kernel handles of another process: every handle value that can be duplicated from it.
static int count_kernel_handles(HANDLE process)
{
    int count = 0;
    for (ULONG_PTR value = 4; value < 0x10000; value += 4) {
        HANDLE copy = nullptr;
        if (DuplicateHandle(process, reinterpret_cast<HANDLE>(value), GetCurrentProcess(), &copy, 0, FALSE,
                            DUPLICATE_SAME_ACCESS)) {
            CloseHandle(copy);
            ++count;
        }
    }
    return count;
}

// GDI objects of another process, from the GDI handle table its process block points to:
// 24-byte entries, the owner's process id at offset 8, the object type at offset 14.
// Entries of other processes are skipped; stock objects (owner 0) are counted.
static int count_gdi_objects(HANDLE process, DWORD process_id)
{
    PROCESS_BASIC_INFORMATION basic = {};
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0) {
        return -1;
    }
    const size_t table_offset = sizeof(void*) == 8 ? 0xF8 : 0x94;
    void* table = nullptr;
    SIZE_T read = 0;
    if (!ReadProcessMemory(process, reinterpret_cast<char*>(basic.PebBaseAddress) + table_offset, &table, sizeof table,
                           &read) ||
        table == nullptr) {
        return -1;
    }
    const size_t entry_size = 24;
    const size_t entries = 0x10000;
    std::vector<unsigned char> copy(entry_size * entries);
    if (!ReadProcessMemory(process, table, copy.data(), copy.size(), &read)) {
        return -1;
    }
    int count = 0;
    for (size_t i = 0; i < read / entry_size; ++i) {
        const unsigned char* entry = &copy[i * entry_size];
        unsigned owner = entry[8] | (entry[9] << 8);
        if (entry[14] != 0 && (owner == 0 || owner == (process_id & 0xFFFF))) {
            ++count;
        }
    }
    return count;
}

struct WindowCount {
    DWORD process_id;
    int count;
};

static BOOL CALLBACK count_child_window(HWND window, LPARAM data)
{
    auto* counted = reinterpret_cast<WindowCount*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == counted->process_id) {
        ++counted->count;
    }
    return TRUE;
}

static BOOL CALLBACK count_top_window(HWND window, LPARAM data)
{
    count_child_window(window, data);
    EnumChildWindows(window, count_child_window, data);
    return TRUE;
}

// Windows of a process: its top-level windows, message-only windows and all their children.
static int count_windows(DWORD process_id)
{
    WindowCount counted = {process_id, 0};
    EnumWindows(count_top_window, reinterpret_cast<LPARAM>(&counted));
    for (HWND window = FindWindowExA(HWND_MESSAGE, nullptr, nullptr, nullptr); window != nullptr;
         window = FindWindowExA(HWND_MESSAGE, window, nullptr, nullptr)) {
        count_top_window(window, reinterpret_cast<LPARAM>(&counted));
    }
    return counted.count;
}

static HWND launcher_window()
{
    return FindWindowA(nullptr, "Vantrel - Brasmoor");
}

// A window message's memory cannot cross processes: the request goes to a small library that
// the launcher is made to load, and that library posts the drop.
static int drop_into_launcher(const char* x, const char* y, const char* file)
{
    char library[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, library, sizeof library);
    char* folder_end = std::strrchr(library, '\\') + 1;
    std::strcpy(folder_end, "drop_request.txt");
    FILE* request = std::fopen(library, "wb");
    if (request == nullptr) {
        return 1;
    }
    std::fprintf(request, "%s %s %s", x, y, file);
    std::fclose(request);
    std::strcpy(folder_end, "drop_into.dll");
    DWORD id = 0;
    GetWindowThreadProcessId(launcher_window(), &id);
    HANDLE process = OpenProcess(PROCESS_ALL_ACCESS, FALSE, id);
    if (process == nullptr) {
        return 1;
    }
    void* remote = VirtualAllocEx(process, nullptr, sizeof library, MEM_COMMIT, PAGE_READWRITE);
    HANDLE thread = nullptr;
    if (remote != nullptr && WriteProcessMemory(process, remote, library, sizeof library, nullptr)) {
        auto load = reinterpret_cast<LPTHREAD_START_ROUTINE>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "LoadLibraryA")));
        thread = CreateRemoteThread(process, nullptr, 0, load, remote, 0, nullptr);
    }
    DWORD loaded = 0;
    if (thread != nullptr) {
        WaitForSingleObject(thread, 10000);
        GetExitCodeThread(thread, &loaded);
        CloseHandle(thread);
    }
    CloseHandle(process);
    return loaded != 0 ? 0 : 1;
}

static int start_from_shortcut(const char* program, char* shortcut)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_TITLEISLINKNAME;
    startup.wShowWindow = SW_SHOWNORMAL;
    startup.lpTitle = shortcut;
    PROCESS_INFORMATION process = {};
    std::string command = std::string("\"") + program + "\"";
    if (!CreateProcessA(program, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return 102;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}

// The program that started the running `program`, by the system's record of processes.
static int print_parent(const char* program)
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    DWORD parent = 0;
    bool found = false;
    bool printed = false;
    for (BOOL more = Process32First(snapshot, &entry); more && !found; more = Process32Next(snapshot, &entry)) {
        if (lstrcmpiA(entry.szExeFile, program) == 0) {
            parent = entry.th32ParentProcessID;
            found = true;
        }
    }
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more && found; more = Process32Next(snapshot, &entry)) {
        if (entry.th32ProcessID == parent) {
            std::printf("%s\n", entry.szExeFile);
            printed = true;
            break;
        }
    }
    CloseHandle(snapshot);
    if (found && !printed) {
        std::printf("process %lu, no longer running\n", parent);
    }
    return found ? 0 : 1;
}

// The tips the shell keeps for the icons of its notification area: each is a tool of a
// tooltip window of the shell's process, so the questions and the answers go through memory
// in that process.
static DWORD shell_process;
static std::vector<HWND> shell_tooltips;

static BOOL CALLBACK find_shell_tooltip(HWND window, LPARAM)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    DWORD process_id = 0;
    GetWindowThreadProcessId(window, &process_id);
    if (process_id == shell_process && lstrcmpiA(name, "tooltips_class32") == 0) {
        shell_tooltips.push_back(window);
    }
    return TRUE;
}

static int print_tray_tips()
{
    HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
    if (taskbar == nullptr || GetWindowThreadProcessId(taskbar, &shell_process) == 0) {
        return 101;
    }
    EnumWindows(find_shell_tooltip, 0);
    HANDLE process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_LIMITED_INFORMATION,
                    FALSE, shell_process);
    auto* remote = process != nullptr
                       ? static_cast<BYTE*>(VirtualAllocEx(process, nullptr, 4096, MEM_COMMIT, PAGE_READWRITE))
                       : nullptr;
    if (remote == nullptr) {
        return 102;
    }
    // The tool structure in the shell's own layout: a 32-bit tool on a 64-bit system asks a
    // 64-bit shell, whose pointers are twice as wide.
    BOOL tool_on_wow64 = FALSE, shell_on_wow64 = FALSE;
    IsWow64Process(GetCurrentProcess(), &tool_on_wow64);
    IsWow64Process(process, &shell_on_wow64);
    bool wide_shell = sizeof(void*) == 8 || (tool_on_wow64 && !shell_on_wow64);
    const size_t pointer_size = wide_shell ? 8 : 4;
    const UINT tool_size = wide_shell ? 72 : 48, text_offset = wide_shell ? 48 : 36;
    static_assert(sizeof(TTTOOLINFOW) == (sizeof(void*) == 8 ? 72 : 48), "the tool layouts above");
    static_assert(offsetof(TTTOOLINFOW, lpszText) == (sizeof(void*) == 8 ? 48 : 36), "the tool layouts above");
    const unsigned long long text_address = reinterpret_cast<UINT_PTR>(remote + 1024);
    for (HWND tooltip : shell_tooltips) {
        for (WPARAM index = 0; index < 64; ++index) {
            BYTE tool[72] = {};
            std::memcpy(tool, &tool_size, sizeof tool_size);
            std::memcpy(tool + text_offset, &text_address, pointer_size);
            WCHAR tip[256] = {};
            DWORD_PTR found = 0;
            if (!WriteProcessMemory(process, remote, tool, tool_size, nullptr) ||
                !WriteProcessMemory(process, remote + 1024, tip, sizeof tip, nullptr) ||
                SendMessageTimeoutW(tooltip, TTM_ENUMTOOLSW, index, reinterpret_cast<LPARAM>(remote), SMTO_ABORTIFHUNG,
                                    5000, &found) == 0 ||
                found == 0) {
                break;
            }
            // The tool as the control keeps it, then its text by that tool.
            ReadProcessMemory(process, remote, tool, tool_size, nullptr);
            std::memcpy(tool + text_offset, &text_address, pointer_size);
            WriteProcessMemory(process, remote, tool, tool_size, nullptr);
            SendMessageTimeoutW(tooltip, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(remote), SMTO_ABORTIFHUNG, 5000,
                                &found);
            ReadProcessMemory(process, remote + 1024, tip, sizeof tip - sizeof tip[0], nullptr);
            char text[512] = {};
            WideCharToMultiByte(CP_ACP, 0, tip, -1, text, sizeof text, nullptr, nullptr);
            std::printf("%s\n", text);
        }
    }
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return 0;
}

// Says it is ready, then keeps what it made until the desktop ends it.
static int hold_until_ended()
{
    std::printf("READY\n");
    std::fflush(stdout);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        DispatchMessageA(&message);
    }
    return 0;
}

// The button with that text in a shown top-level window with that caption, or nullptr: a
// setup program keeps hidden windows of the same caption while another copy of it works.
struct ButtonSearch {
    const char* caption;
    const char* text;
    HWND found;
};

static BOOL CALLBACK find_button_in(HWND control, LPARAM parameter)
{
    auto* search = reinterpret_cast<ButtonSearch*>(parameter);
    char text[256] = {};
    char kind[32] = {};
    GetWindowTextA(control, text, sizeof text);
    GetClassNameA(control, kind, sizeof kind);
    if (lstrcmpiA(kind, "Button") == 0 && IsWindowVisible(control) && std::strcmp(text, search->text) == 0) {
        search->found = control;
        return FALSE;
    }
    return TRUE;
}

static BOOL CALLBACK find_shown_window(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<ButtonSearch*>(parameter);
    char caption[256] = {};
    GetWindowTextA(window, caption, sizeof caption);
    // Setup programs pad their captions with a space on some pages.
    size_t length = std::strlen(search->caption);
    if (IsWindowVisible(window) && std::strncmp(caption, search->caption, length) == 0 &&
        (caption[length] == '\0' || caption[length] == ' ')) {
        EnumChildWindows(window, find_button_in, parameter);
    }
    return search->found == nullptr;
}

static HWND shown_button(const char* caption, const char* text)
{
    ButtonSearch search = {caption, text, nullptr};
    EnumWindows(find_shown_window, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int main(int argc, char** argv)
{
    if (argc < 2) {
        return 100;
    }
    // Texts are printed as they are, line breaks included.
    _setmode(_fileno(stdout), _O_BINARY);
    if (std::strcmp(argv[1], "remove-hook") == 0) {
        if (_remove_module() == 1) {
            return 1;
        }
        int removed = 0;
        for (UINT_PTR index = 0; index < 0x8000; ++index) {
            removed += UnhookWindowsHookEx(reinterpret_cast<HHOOK>(0x20 + 2 * index)) ? 1 : 0;
        }
        return removed > 0 ? 1 : 0;
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
    if (std::strcmp(argv[1], "shell-restart") == 0) {
        NOTIFYICONDATAA icon = {};
        icon.cbSize = NOTIFYICONDATAA_V2_SIZE;
        icon.hWnd = launcher_window();
        icon.uID = 1025;
        if (icon.hWnd == nullptr || !Shell_NotifyIconA(NIM_DELETE, &icon)) {
            return 1;
        }
        PostMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
        return 0;
    }
    if ((std::strcmp(argv[1], "set-dialog-text") == 0 && argc >= 5) ||
        (std::strcmp(argv[1], "press") == 0 && argc >= 4)) {
        HWND dialog = FindWindowA(nullptr, argv[2]);
        if (dialog == nullptr) {
            return 101;
        }
        int id = std::atoi(argv[3]);
        if (argv[1][0] == 's') {
            return SetDlgItemTextA(dialog, id, argv[4]) ? 0 : 1;
        }
        return PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                            reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)))
                   ? 0
                   : 1;
    }
    if (std::strcmp(argv[1], "shutdown") == 0) {
        constexpr WPARAM SHUTDOWN_COMMAND = 32772;
        return launcher_window() != nullptr && PostMessageA(launcher_window(), WM_COMMAND, SHUTDOWN_COMMAND, 0) ? 0 : 1;
    }
    if (std::strcmp(argv[1], "decoy") == 0) {
        if (CreateWindowExA(0, "#32770", "Vantrel - Brasmoor", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                            nullptr) == nullptr) {
            return 1;
        }
        return hold_until_ended();
    }
    if (std::strcmp(argv[1], "menu-open") == 0) {
        // Shown, and its loop tracking: only then do keys go to it.
        HWND menu = FindWindowA("#32768", nullptr);
        GUITHREADINFO gui = {};
        gui.cbSize = sizeof gui;
        DWORD thread = launcher_window() != nullptr ? GetWindowThreadProcessId(launcher_window(), nullptr) : 0;
        bool tracking = thread != 0 && GetGUIThreadInfo(thread, &gui) && (gui.flags & GUI_INMENUMODE) != 0;
        return menu != nullptr && IsWindowVisible(menu) && tracking ? 0 : 1;
    }
    if (std::strcmp(argv[1], "drop") == 0 && argc >= 5) {
        return drop_into_launcher(argv[2], argv[3], argv[4]);
    }
    if (std::strcmp(argv[1], "menu-rect") == 0) {
        HWND menu = FindWindowA("#32768", nullptr);
        RECT rect = {};
        if (menu == nullptr || !IsWindowVisible(menu) || !GetWindowRect(menu, &rect)) {
            return 1;
        }
        std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right, rect.bottom);
        return 0;
    }
    if (std::strcmp(argv[1], "click") == 0 && argc >= 4) {
        HWND button = shown_button(argv[2], argv[3]);
        if (button == nullptr) {
            return 101;
        }
        // Posted: what the click starts may take its time (a setup program waiting for the copy
        // of itself that it started).
        return PostMessageA(button, BM_CLICK, 0, 0) ? 0 : 1;
    }
    if ((std::strcmp(argv[1], "control-rect") == 0 || std::strcmp(argv[1], "list-items") == 0) && argc >= 4) {
        HWND control = GetDlgItem(FindWindowA(nullptr, argv[2]), std::atoi(argv[3]));
        if (control == nullptr) {
            return 101;
        }
        if (argv[1][0] == 'c') {
            RECT rect = {};
            GetWindowRect(control, &rect);
            std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right, rect.bottom);
            return 0;
        }
        // Asked in Unicode: the system carries the text across processes only in that form.
        LRESULT count = SendMessageW(control, LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            WCHAR wide[512] = {};
            if (SendMessageW(control, LB_GETTEXTLEN, i, 0) < 512) {
                SendMessageW(control, LB_GETTEXT, i, reinterpret_cast<LPARAM>(wide));
            }
            char line[1024] = {};
            WideCharToMultiByte(CP_ACP, 0, wide, -1, line, sizeof line, nullptr, nullptr);
            std::printf("%s\n", line);
        }
        return 0;
    }
    if (std::strcmp(argv[1], "hold-hotkey") == 0) {
        if (!RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, 'H')) {
            return 1;
        }
        return hold_until_ended();
    }
    if (std::strcmp(argv[1], "tray-tip") == 0) {
        return print_tray_tips();
    }
    if (std::strcmp(argv[1], "foreground") == 0) {
        char caption[256] = {};
        GetWindowTextA(GetForegroundWindow(), caption, sizeof caption);
        std::printf("%s\n", caption);
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
    if (std::strcmp(argv[1], "parent") == 0 && argc >= 3) {
        return print_parent(argv[2]);
    }
    if (std::strcmp(argv[1], "start-from-shortcut") == 0 && argc >= 4) {
        return start_from_shortcut(argv[2], argv[3]);
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
        HANDLE process =
            OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ | PROCESS_DUP_HANDLE, FALSE, process_id);
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
        std::printf("kernel_handles %d\ngdi_table %d\nwindows %d\n", count_kernel_handles(process),
                    count_gdi_objects(process, process_id), count_windows(process_id));
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
    if (std::strcmp(argv[1], "launches") == 0 && argc >= 3) {
        int count = std::atoi(argv[2]);
        for (int i = 0; i < count; ++i) {
            SendMessageA(window, WM_CHORD_ACTIVATE, 0, 0);
            Sleep(100);
            SendMessageA(window, WM_KEYDOWN, '1', 0);
            Sleep(250);
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
        RECT work = {};
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        std::printf("work-area %ld %ld %ld %ld\n", work.left, work.top, work.right, work.bottom);
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
