// Does to a running launcher what the system may do behind its back.
//   session_tool remove-hook      removes the chord hook (the library's shared section names
//                                 it), as the system does when it drops a hook; exit code is
//                                 _remove_module's result
//   session_tool query-end        asks the launcher window whether the session may end;
//                                 exit code is its answer
//   session_tool end-cancelled    tells the launcher window that the session goes on
#include <cstring>

#include "chordhook.h"

static HWND launcher_window()
{
    return FindWindowA(nullptr, "Vantrel - Brasmoor");
}

int main(int argc, char** argv)
{
    if (argc < 2) {
        return 100;
    }
    if (std::strcmp(argv[1], "remove-hook") == 0) {
        return _remove_module();
    }
    HWND window = launcher_window();
    if (window == nullptr) {
        return 101;
    }
    if (std::strcmp(argv[1], "query-end") == 0) {
        return static_cast<int>(SendMessageA(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF));
    }
    if (std::strcmp(argv[1], "end-cancelled") == 0) {
        SendMessageA(window, WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);
        return 0;
    }
    return 100;
}
