#include "window/popup_menu.h"

#include "state/window_state.h"

void track_popup_menu(HWND window, int menu_id, void (*prepare)(HMENU))
{
    POINT pointer;
    GetCursorPos(&pointer);
    SetForegroundWindow(main_window);
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(menu_id));
    if (prepare != nullptr) {
        prepare(GetSubMenu(menu, 0));
    }
    TrackPopupMenu(GetSubMenu(menu, 0), TPM_LEFTALIGN | TPM_RIGHTBUTTON, pointer.x, pointer.y, 0, window, nullptr);
    // Without a message after tracking, the menu may not close when the user clicks away.
    PostMessageA(main_window, WM_NULL, 0, 0);
    DestroyMenu(menu);
}
