// The program's entry: single instance, the command line, the window, the message loop.
#pragma once

#include <windows.h>

extern int reboot_requested;

// Runs the launcher until Shutdown; returns the process exit code.
int run_launcher(HINSTANCE instance, const char* arguments);
