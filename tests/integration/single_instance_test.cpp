#include "single_instance.h"

#include <gtest/gtest.h>

#include <string>

#include "test_window.h"

namespace {

// A caption of this process's own, so that windows of other tests never match.
std::string own_caption()
{
    return "Vantrel - Brasmoor " + std::to_string(GetCurrentProcessId());
}

TEST(SingleInstance, FindsAHiddenWindowWithTheExactCaption)
{
    std::string caption = own_caption();
    EXPECT_EQ(find_running_instance(caption.c_str()), nullptr);

    TestWindow window(caption.c_str(), WS_POPUP);
    ASSERT_FALSE(IsWindowVisible(window.handle));
    EXPECT_EQ(find_running_instance(caption.c_str()), window.handle);
}

TEST(SingleInstance, IgnoresCaptionsDifferingInCaseOrATrailingBlank)
{
    std::string caption = own_caption();
    std::string upper = caption;
    upper[0] = 'v';
    TestWindow lower_case(upper.c_str());
    TestWindow trailing_blank((caption + " ").c_str());
    TestWindow shorter(caption.substr(0, caption.size() - 1).c_str());
    EXPECT_EQ(find_running_instance(caption.c_str()), nullptr);

    TestWindow exact(caption.c_str());
    EXPECT_EQ(find_running_instance(caption.c_str()), exact.handle);
}

} // namespace
