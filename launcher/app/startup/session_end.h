// How the relogin offer asks the system to end the session.
#pragma once

#include <cstdint>

// The reason given with every request: planned, by an application.
constexpr uint32_t RELOGIN_REASON = 0x80040000;

// The flags for a log-off mode: 0 power-off, 1 restart, 2 log-off, any other value passed
// through. Programs that still answer get to save their documents; only hung ones are
// ended.
uint32_t exit_flags_for_mode(int mode);
