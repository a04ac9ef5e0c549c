#include "app/startup/single_instance.h"

#include <gtest/gtest.h>

#include <string>

#include "files/path_join.h"
#include "test_window.h"

namespace {

// A caption of this process's own, so that windows of other tests never match.
std::string own_caption()
{
    return "Vantrel - Brasmoor " + std::to_string(GetCurrentProcessId());
}

std::string own_program()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    return path;
}

// A hidden window of the dialog class, as the launcher's own window is.
struct DialogWindow {
    HWND handle;
    explicit DialogWindow(const std::string& caption)
        : handle(CreateWindowExA(0, "#32770", caption.c_str(), WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr))
    {
    }
    ~DialogWindow() { DestroyWindow(handle); }
};

TEST(SingleInstance, OnlyADialogOfThisProgramWithTheExactCaptionIsTheRunningCopy)
{
    std::string caption = own_caption();
    std::string program = own_program();
    EXPECT_EQ(find_running_instance(caption.c_str(), program.c_str()), nullptr);

    // Windows of another kind or caption: a browser tab, a folder, a near miss.
    TestWindow plain(caption.c_str());
    std::string lower = caption;
    lower[0] = 'v';
    DialogWindow lower_case(lower);
    DialogWindow trailing_blank(caption + " ");
    DialogWindow shorter(caption.substr(0, caption.size() - 1));
    EXPECT_EQ(find_running_instance(caption.c_str(), program.c_str()), nullptr);

    DialogWindow exact(caption);
    ASSERT_NE(exact.handle, nullptr);
    ASSERT_FALSE(IsWindowVisible(exact.handle));
    EXPECT_EQ(find_running_instance(caption.c_str(), program.c_str()), exact.handle);
    // The same window belongs to another program than the one searched for.
    EXPECT_EQ(find_running_instance(caption.c_str(), "C:\\Program Files\\Other\\Vantrel.exe"), nullptr);
    // The program file is matched by name, in any case, from any folder.
    std::string elsewhere = "D:\\Elsewhere\\" + program.substr(program.rfind('\\') + 1);
    for (char& c : elsewhere) {
        c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    }
    EXPECT_EQ(find_running_instance(caption.c_str(), elsewhere.c_str()), exact.handle);
}

} // namespace
