// The relogin offer's rules, free of the system: when a start asks for it, and how it asks
// the system to end the session.
#pragma once

#include <cstdint>

// The reason given with every request: planned, by an application.
constexpr uint32_t RELOGIN_REASON = 0x80040000;

// The flags for a log-off mode: 0 power-off, 1 restart, 2 log-off, any other value passed
// through. Programs that still answer get to save their documents; only hung ones are
// ended.
uint32_t exit_flags_for_mode(int mode);

// 1 when the command-line text after the program's name contains "/reboot" anywhere
// (letter case as written, also inside a longer word), else 0. A null text counts as empty.
int has_reboot_switch(const char* arguments);
