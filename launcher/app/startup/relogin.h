// At the end of start-up: the offer to log off after an installation, or the first-run
// guide. At most one of them per start.
#pragma once

#include <windows.h>

// 1 when the program was started with "/reboot" (by the installer): the relogin offer is
// made at the end of start-up.
extern int reboot_requested;

// The call that ends the session; tests put something harmless here.
using ExitWindowsCall = BOOL(WINAPI*)(UINT flags, DWORD reason);
extern ExitWindowsCall exit_windows;

void run_startup_questions();
int log_off_or_restart(int mode);
void show_first_run_guide();
