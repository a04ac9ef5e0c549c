// The program's entry: single instance, the command line, the window, the message loop.
#pragma once

#include <windows.h>

// How long a start waits for another start that is creating its window.
constexpr DWORD STARTUP_GUARD_TIMEOUT_MS = 10000;

// Runs the launcher until Shutdown; returns the process exit code.
int run_launcher(HINSTANCE instance, const char* arguments);
