#pragma once
// The shell's progress dialog (CLSID_ProgressDialog) behind the progress seam. When the
// dialog object cannot be created, every operation does nothing and nothing is ever
// cancelled, so the work still runs, only without a window.
#include <cstdint>
#include <string>

#include "platform/ProgressSink.h"
#include "platform/win32/Scoped.h"

struct IProgressDialog;

class Win32ProgressDialog : public ProgressSink {
  public:
    Win32ProgressDialog();
    // For tests: another class, e.g. one that does not exist.
    explicit Win32ProgressDialog(const CLSID& classId);
    ~Win32ProgressDialog() override;
    Win32ProgressDialog(const Win32ProgressDialog&) = delete;
    Win32ProgressDialog& operator=(const Win32ProgressDialog&) = delete;

    bool Created() const { return static_cast<bool>(dialog_); }
    bool Started() const { return started_; }

    void SetTitle(const std::string& text) override;
    void SetAnimation(int resourceId) override;
    void SetCancelMessage(const std::string& text) override;
    void SetTimeEstimate(bool on) override;
    void Start(std::uintptr_t owner) override;
    void SetLine(int line, const std::string& text, bool compactPath) override;
    void SetProgress(std::uint32_t done, std::uint32_t total) override;
    void SetProgressDone(std::uint32_t done) override;
    bool HasUserCancelled() override;
    void Stop() override;

  private:
    // The dialog is an apartment object of the thread that creates it.
    ComScope com_;
    ComPtr<IProgressDialog> dialog_;
    bool started_ = false;
    bool cancelled_ = false;
    unsigned long flags_ = 0;
    std::uint32_t total_ = 0;
    std::uintptr_t owner_ = 0;
};
