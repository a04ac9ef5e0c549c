// Fixed-size character buffers: zero-filled, copies bounded by the buffer's size.
#pragma once

#include <cstddef>

// Zero-fills out (size bytes) and copies at most size - 1 characters of text into it.
void copy_text(char* out, size_t size, const char* text);
