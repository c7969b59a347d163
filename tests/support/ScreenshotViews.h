#pragma once
// A screenshot host's side of its script (tests/wine/screenshot-views.sh): the views are shown
// one after the other; once one has been drawn for a few timer ticks, <folder>\<view>.ready
// holds "left top width height" of the window to take, and the next view comes when
// <folder>\<view>.done appears. The host gives up after 30 seconds.
#if defined(_WIN32)
#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

class ScreenshotViews {
  public:
    // show(i) puts up view i (leaving view i - 1); shown() is the window to take; finish is
    // called with the exit code once every view was taken or the host gave up.
    ScreenshotViews(std::string folder, std::vector<std::string> views,
                    std::function<void(int view)> show, std::function<HWND()> shown,
                    std::function<void(int exitCode)> finish)
        : folder_(std::move(folder)),
          views_(std::move(views)),
          show_(std::move(show)),
          shown_(std::move(shown)),
          finish_(std::move(finish)) {}

    // Shows the first view and starts the ticks; the program's message loop runs them.
    void Start() {
        current_ = this;
        show_(0);
        SetTimer(nullptr, 0, kTickMilliseconds, Tick);
    }
    int ExitCode() const { return exitCode_; }

  private:
    static constexpr UINT kTickMilliseconds = 100;
    static constexpr int kTicksUntilDrawn = 5;
    static constexpr int kTicksAtMost = 300;

    static bool Exists(const std::string& path) {
        return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    static void CALLBACK Tick(HWND, UINT, UINT_PTR timer, DWORD) {
        ScreenshotViews& self = *current_;
        if (self.view_ >= static_cast<int>(self.views_.size())) {
            KillTimer(nullptr, timer);
            return;
        }
        const std::string name = self.folder_ + "\\" + self.views_[self.view_];
        if (++self.ticks_ == kTicksUntilDrawn) {
            RECT rect{};
            GetWindowRect(self.shown_(), &rect);
            if (FILE* f = std::fopen((name + ".ready").c_str(), "w")) {
                std::fprintf(f, "%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left,
                             rect.bottom - rect.top);
                std::fclose(f);
            }
        }
        if (++self.allTicks_ > kTicksAtMost)
            self.exitCode_ = 1;
        if (!Exists(name + ".done") && self.exitCode_ == 0)
            return;
        self.ticks_ = 0;
        if (++self.view_ < static_cast<int>(self.views_.size()) && self.exitCode_ == 0) {
            self.show_(self.view_);
            return;
        }
        self.view_ = static_cast<int>(self.views_.size());
        self.finish_(self.exitCode_);
    }

    inline static ScreenshotViews* current_ = nullptr;
    std::string folder_;
    std::vector<std::string> views_;
    std::function<void(int)> show_;
    std::function<HWND()> shown_;
    std::function<void(int)> finish_;
    int view_ = 0, ticks_ = 0, allTicks_ = 0, exitCode_ = 0;
};
#endif
