#pragma once
// ProgressSink for tests: records what is shown and can cancel after a number of polls.
#include <string>
#include <utility>
#include <vector>

#include "platform/ProgressSink.h"

class RecordingProgress : public ProgressSink {
  public:
    explicit RecordingProgress(int cancelAfterPolls = -1) : cancelAfterPolls_(cancelAfterPolls) {}

    std::string title, cancelMessage;
    int animation = 0;
    bool timeEstimate = false;
    bool started = false;
    int starts = 0;
    std::uintptr_t owner = 0;
    std::vector<std::string> line1, line2;  // every text set, in order
    std::uint32_t done = 0, total = 0;
    // (done, total) after every SetProgress and SetProgressDone, in order.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> positions;
    int polls = 0;

    void SetTitle(const std::string& text) override { title = text; }
    void SetAnimation(int resourceId) override { animation = resourceId; }
    void SetCancelMessage(const std::string& text) override { cancelMessage = text; }
    void SetTimeEstimate(bool on) override { timeEstimate = on; }
    void Start(std::uintptr_t ownerWindow) override {
        owner = ownerWindow;
        started = true;
        ++starts;
    }
    void SetLine(int line, const std::string& text, bool) override {
        (line == 1 ? line1 : line2).push_back(text);
    }
    void SetProgress(std::uint32_t d, std::uint32_t t) override {
        done = d;
        total = t;
        positions.emplace_back(done, total);
    }
    void SetProgressDone(std::uint32_t d) override {
        done = d;
        positions.emplace_back(done, total);
    }
    bool HasUserCancelled() override {
        ++polls;
        if (cancelAfterPolls_ >= 0 && polls > cancelAfterPolls_)
            cancelled_ = true;
        return cancelled_;
    }
    void Stop() override { started = false; }

  private:
    int cancelAfterPolls_;
    bool cancelled_ = false;
};
