#include "text_buffer.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(TextBuffer, CopyIsBoundedAndZeroFilled)
{
    char out[8];
    std::memset(out, 'x', sizeof out);
    copy_text(out, sizeof out, "abc");
    EXPECT_STREQ(out, "abc");
    for (size_t i = 3; i < sizeof out; ++i) {
        EXPECT_EQ(out[i], '\0') << i;
    }
    copy_text(out, sizeof out, "0123456789");
    EXPECT_STREQ(out, "0123456");
}
