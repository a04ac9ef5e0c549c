// A plain top-level window for Win32 tests, and a pump for its posted messages.
#pragma once

#include <windows.h>

#include <vector>

struct TestWindow {
    HWND handle = nullptr;

    explicit TestWindow(const char* caption, DWORD style = WS_OVERLAPPEDWINDOW)
    {
        static ATOM atom = register_class();
        handle = CreateWindowExA(0, MAKEINTATOM(atom), caption, style, 10, 10, 200, 100, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    }
    ~TestWindow() { DestroyWindow(handle); }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    // Removes and returns the messages with the given id that are waiting in the queue.
    std::vector<MSG> take_posted(UINT message) const
    {
        std::vector<MSG> taken;
        MSG msg;
        while (PeekMessageA(&msg, handle, message, message, PM_REMOVE)) {
            taken.push_back(msg);
        }
        return taken;
    }

  private:
    static ATOM register_class()
    {
        WNDCLASSA window_class = {};
        window_class.lpfnWndProc = DefWindowProcA;
        window_class.hInstance = GetModuleHandleA(nullptr);
        window_class.lpszClassName = "VantrelTestWindow";
        return RegisterClassA(&window_class);
    }
};
