// Pieces of a settings line: spans with blanks trimmed, compared with words without regard
// to ASCII case, as Vantrel.ini's names and values are.
#pragma once

#include <cstddef>
#include <cstring>

#include "files/path_join.h"

inline bool same_text(const char* a, size_t a_length, const char* b)
{
    size_t b_length = std::strlen(b);
    if (a_length != b_length) {
        return false;
    }
    for (size_t i = 0; i < a_length; ++i) {
        if (ascii_lower(a[i]) != ascii_lower(b[i])) {
            return false;
        }
    }
    return true;
}

inline bool blank(char c)
{
    return c == ' ' || c == '\t';
}

// A piece of a line, spaces trimmed at both ends.
struct Span {
    const char* start;
    size_t length;
};

inline Span trimmed(const char* start, size_t length)
{
    while (length > 0 && blank(start[0])) {
        ++start;
        --length;
    }
    while (length > 0 && blank(start[length - 1])) {
        --length;
    }
    return Span{start, length};
}

inline bool is(Span span, const char* word)
{
    return same_text(span.start, span.length, word);
}
