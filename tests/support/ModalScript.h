#pragma once
// Runs a test's script inside a modal loop: a thread timer looks for the modal window and,
// once it is shown, runs the script there. A watchdog cancels a window the script left open,
// so a failed step cannot hang the test.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <utility>

class ModalScript {
  public:
    // find: the modal window, null while there is none. modal: what opens it and returns when
    // it ends.
    static void Run(std::function<HWND()> find, std::function<void()> script,
                    const std::function<void()>& modal) {
        find_ = std::move(find);
        script_ = std::move(script);
        ticks_ = 0;
        timedOut_ = false;
        const UINT_PTR timer = SetTimer(nullptr, 0, 20, Tick);
        modal();
        KillTimer(nullptr, timer);
        EXPECT_FALSE(timedOut_) << "the script left the window open";
        EXPECT_FALSE(script_) << "the window ended before the script ran";
        script_ = nullptr;
    }

  private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        // A modal dialog is shown once its loop first finds the queue empty.
        HWND window = find_();
        if (script_ && window != nullptr && IsWindowVisible(window)) {
            const std::function<void()> script = std::move(script_);
            script_ = nullptr;
            script();
        } else if (++ticks_ == 250 && window != nullptr) {
            timedOut_ = true;
            PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
        }
    }

    static inline std::function<HWND()> find_;
    static inline std::function<void()> script_;
    static inline int ticks_ = 0;
    static inline bool timedOut_ = false;
};
