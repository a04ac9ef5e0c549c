// The command line that starts the browser with a web address as its one argument.
#pragma once

#include <cstddef>

constexpr size_t BROWSER_COMMAND_SIZE = 2048;

// Whether address begins with a URL scheme: a letter, then letters, digits, "+", "-" or
// ".", then ":" (ASCII letters and digits only).
bool has_url_scheme(const char* address);

// Writes "\"browser\" \"address\"" into out (out_size bytes, zero-filled first), with every
// quotation mark in the address written as %22, so that the address stays one argument.
// Returns 1 when written; 0, with out left empty, when the browser path is empty or holds a
// quotation mark, the address has no URL scheme, is a javascript: or vbscript: address,
// holds a control character or ends in a backslash, or the result would not fit.
int build_browser_command_line(char* out, size_t out_size, const char* browser, const char* address);
