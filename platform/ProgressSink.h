#pragma once
// Progress window seam: every long operation reports through it and polls it for Cancel.
#include <cstdint>
#include <string>

class ProgressSink {
  public:
    virtual ~ProgressSink() = default;

    virtual void SetTitle(const std::string& text) = 0;
    virtual void SetAnimation(int resourceId) = 0;
    virtual void SetCancelMessage(const std::string& text) = 0;
    virtual void SetTimeEstimate(bool on) = 0;
    // owner: a window handle, 0 for none.
    virtual void Start(std::uintptr_t owner) = 0;
    // line: 1 for the operation, 2 for the current item.
    virtual void SetLine(int line, const std::string& text, bool compactPath) = 0;
    virtual void SetProgress(std::uint32_t done, std::uint32_t total) = 0;
    virtual void SetProgressDone(std::uint32_t done) = 0;
    // Stays true once the user has cancelled.
    virtual bool HasUserCancelled() = 0;
    virtual void Stop() = 0;
};

// The set-up every progress window of the program gets before use.
inline void SetUpProgress(ProgressSink& progress) {
    progress.SetTitle("Tarvex Progress");
    progress.SetAnimation(184);
    progress.SetCancelMessage("Cancel");
    progress.SetTimeEstimate(true);
    progress.SetProgress(0, 100);
}
