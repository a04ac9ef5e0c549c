// Which mouse hook a Windows version gets, decided from the version numbers alone.
#pragma once

#include <cstdint>

constexpr uint32_t PLATFORM_WIN32_NT = 2;

// True for Windows NT 6.0 (Vista) and later: those get the low-level hook. A failed
// version query (query_ok 0) counts as an earlier version.
bool is_vista_version(int query_ok, uint32_t platform_id, uint32_t major_version);
