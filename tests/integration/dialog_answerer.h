// Answers the modal dialogs and message boxes that a command opens on this thread: each
// expected dialog is found by its caption from a thread timer, which also runs inside the
// dialog's own message loop, and handled by the test's action.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

class DialogAnswerer {
  public:
    using Action = std::function<void(HWND)>;

    DialogAnswerer() { timer = SetTimer(nullptr, 0, 15, on_timer); }
    ~DialogAnswerer()
    {
        KillTimer(nullptr, timer);
        expected().clear();
    }

    // The next dialog to expect and what to do with it.
    void expect(const std::string& caption, Action action) { expected().push_back({caption, std::move(action)}); }

    bool all_answered() const { return expected().empty(); }

    // Captions of the dialogs answered so far, and the texts of the error messages among them.
    static std::vector<std::string>& answered()
    {
        static std::vector<std::string> list;
        return list;
    }
    static std::vector<std::string>& error_texts()
    {
        static std::vector<std::string> list;
        return list;
    }

    static void press(HWND dialog, int button)
    {
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
    }

    // Types the text into an edit control key by key, as a user would: the control's limit
    // applies.
    static void type(HWND dialog, int edit, const std::string& text)
    {
        HWND control = GetDlgItem(dialog, edit);
        SetWindowTextA(control, "");
        for (char c : text) {
            if (c == '\n') {
                SendMessageA(control, WM_CHAR, '\r', 0);
            } else {
                SendMessageA(control, WM_CHAR, static_cast<unsigned char>(c), 0);
            }
        }
    }

    // An action for the error-message dialog: note its text and press OK.
    static Action acknowledge_error()
    {
        return [](HWND dialog) {
            char text[1024] = {};
            GetDlgItemTextA(dialog, 1047, text, sizeof text);
            error_texts().push_back(text);
            press(dialog, IDOK);
        };
    }

    static Action press_button(int button)
    {
        return [button](HWND dialog) { press(dialog, button); };
    }

  private:
    struct Expected {
        std::string caption;
        Action action;
    };
    UINT_PTR timer = 0;

    static std::deque<Expected>& expected()
    {
        static std::deque<Expected> queue;
        return queue;
    }

    static void CALLBACK on_timer(HWND, UINT, UINT_PTR, DWORD)
    {
        if (expected().empty()) {
            return;
        }
        HWND dialog = FindWindowA(nullptr, expected().front().caption.c_str());
        if (dialog == nullptr || !IsWindowVisible(dialog) ||
            GetWindowThreadProcessId(dialog, nullptr) != GetCurrentThreadId()) {
            return;
        }
        Expected next = expected().front();
        expected().pop_front();
        answered().push_back(next.caption);
        next.action(dialog);
    }
};
