// The command line that starts the browser with a web address as its one argument.
#pragma once

#include <cstddef>

#include "launch/url_file.h"

// The browser's path as the shell names it, with its terminator.
constexpr size_t BROWSER_PATH_SIZE = 512;
// Room for quote, browser path, quote, space, quote, the longest address with every character
// a quotation mark written as %22, quote and terminator: an address read whole always fits.
constexpr size_t BROWSER_COMMAND_SIZE = 1 + (BROWSER_PATH_SIZE - 1) + 3 + 3 * URL_MAX_LENGTH + 1 + 1;
// The longest command line a new process takes.
static_assert(BROWSER_COMMAND_SIZE <= 32768, "command line too long to start a process");

// Whether address begins with a URL scheme: a letter, then letters, digits, "+", "-" or
// ".", then ":" (ASCII letters and digits only).
bool has_url_scheme(const char* address);

// Writes "\"browser\" \"address\"" into out (out_size bytes, zero-filled first), with every
// quotation mark in the address written as %22, so that the address stays one argument.
// Returns 1 when written; 0, with out left empty, when the browser path is empty or holds a
// quotation mark, the address has no URL scheme, is a javascript: or vbscript: address,
// holds a control character or ends in a backslash, or the result would not fit.
int build_browser_command_line(char* out, size_t out_size, const char* browser, const char* address);
