// Reading the web address out of an internet shortcut (.url) file.
#pragma once

#include <cstddef>

// The longest web address browsers take, and a buffer that holds it with its terminator.
constexpr size_t URL_MAX_LENGTH = 2083;
constexpr size_t URL_ADDRESS_SIZE = URL_MAX_LENGTH + 1;

// Finds the first line containing "[InternetShortcut]", then the first later line
// containing "URL=" (so "BASEURL=" counts too), and writes what follows the first "URL=" in
// it, without the line break, into address (address_size bytes, zero-filled first). A line
// counts whole, however long it is. Returns 1 when an address was found; 0 when the file
// cannot be opened, either line is missing, or the address would not fit or holds a NUL
// byte: address is then left empty, never a part of the address.
int read_url_file(const char* path, char* address, size_t address_size);
