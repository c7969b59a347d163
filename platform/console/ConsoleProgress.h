#pragma once
// Progress on a terminal: a bar with the operation on one row and the current item below it.
// Draws nothing when its stream is not a terminal (output redirected, scripts, tests).
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/ProgressSink.h"

class ConsoleProgress : public ProgressSink {
  public:
    // Draws on stderr when it is a terminal.
    ConsoleProgress();
    ConsoleProgress(std::FILE* out, bool isTerminal, int width = 80);
    ~ConsoleProgress() override;

    void SetTitle(const std::string& text) override { title_ = text; }
    void SetAnimation(int) override {}
    void SetCancelMessage(const std::string&) override {}
    void SetTimeEstimate(bool) override {}  // the bar shows no estimate
    void Start(std::uintptr_t owner) override;
    void SetLine(int line, const std::string& text, bool compactPath) override;
    void SetProgress(std::uint32_t done, std::uint32_t total) override;
    void SetProgressDone(std::uint32_t done) override { SetProgress(done, total_); }
    // The console has no Cancel button; an interrupt ends the program instead.
    bool HasUserCancelled() override { return false; }
    void Stop() override;

  private:
    void Draw(bool now);
    std::string Fit(const std::string& text, bool compactPath) const;

    std::FILE* out_;
    bool isTerminal_;
    int width_;
    std::string title_, line1_, line2_;
    bool compact2_ = false;
    std::uint32_t done_ = 0, total_ = 0;
    bool started_ = false;
    bool drawn_ = false;  // the two rows are on screen below the cursor's row
    std::chrono::steady_clock::time_point lastDraw_{};
};
