// Reading the web address out of an internet shortcut (.url) file.
#pragma once

#include <cstddef>

// Lines are read into a buffer of this size, at most URL_LINE_SIZE - 2 characters at a time:
// a longer line arrives in several pieces, and each piece counts as a line of its own.
constexpr size_t URL_LINE_SIZE = 1024;

// Finds the first line containing "[InternetShortcut]", then the first later line
// containing "URL=" (so "BASEURL=" counts too), and writes what follows the first "URL=" in
// it, without the line break, into address (address_size bytes, zero-filled first).
// Returns 1 when an address was found; 0 when the file cannot be opened, either line is
// missing, or the address would not fit (address is then left empty rather than cut).
int read_url_file(const char* path, char* address, size_t address_size);
