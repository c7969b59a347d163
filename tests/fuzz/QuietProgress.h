#pragma once
// A progress window that shows nothing and is never cancelled.
#include "platform/ProgressSink.h"

class QuietProgress : public ProgressSink {
  public:
    void SetTitle(const std::string&) override {}
    void SetAnimation(int) override {}
    void SetCancelMessage(const std::string&) override {}
    void SetTimeEstimate(bool) override {}
    void Start(std::uintptr_t) override {}
    void SetLine(int, const std::string&, bool) override {}
    void SetProgress(std::uint32_t, std::uint32_t) override {}
    void SetProgressDone(std::uint32_t) override {}
    bool HasUserCancelled() override { return false; }
    void Stop() override {}
};
