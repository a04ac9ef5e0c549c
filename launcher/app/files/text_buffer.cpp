#include "text_buffer.h"

#include <cstring>

void copy_text(char* out, size_t size, const char* text)
{
    std::memset(out, 0, size);
    if (size == 0) {
        return;
    }
    size_t length = std::strlen(text);
    std::memcpy(out, text, length < size - 1 ? length : size - 1);
}
