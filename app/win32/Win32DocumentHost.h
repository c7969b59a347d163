#pragma once
// The document's host in Tarvex.exe: message boxes and dialogs, the registry, the shell's
// progress windows, and Open and Save jobs whose completion comes back as a message to the
// main window (WM_USER + 1, wParam the job, lParam its header record).
#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>

#include "app/DocumentHost.h"
#include "archive/CompletionQueue.h"
#include "archive/JobRunner.h"
#include "platform/win32/Scoped.h"

inline constexpr UINT kJobCompletedMessage = WM_USER + 1;

// The main window as the host sees it.
class DocumentWindow {
  public:
    virtual HWND MainWindow() const = 0;
    virtual void UpdateAllViews() = 0;
    virtual void DocumentRenewed() = 0;
    virtual void JobCompleted(const ArchiveJob& job) = 0;
    // Before a job takes the model and the archive file.
    virtual void JobStarting() {}

  protected:
    ~DocumentWindow() = default;
};

class Win32DocumentHost : public DocumentHost, private JobHost {
  public:
    using ProgressFactory = std::function<std::unique_ptr<ProgressSink>()>;

    Win32DocumentHost(UserPrompts& prompts, Settings& settings, ProgressFactory makeProgress);
    ~Win32DocumentHost() override;
    Win32DocumentHost(const Win32DocumentHost&) = delete;
    Win32DocumentHost& operator=(const Win32DocumentHost&) = delete;

    // The main window, once it exists (null when it goes): jobs post to it, progress windows
    // and message boxes belong to it.
    void SetWindow(DocumentWindow* window);
    // True from the start of a job until it has ended: the model is then the worker's.
    bool JobsRunning() const { return running_.load() > 0; }
    // Takes over the job of a completion message.
    static std::unique_ptr<ArchiveJob> TakeCompletedJob(WPARAM wParam);

    // DocumentHost, and the worker's JobHost where they share an operation.
    UserPrompts& Prompts() override { return prompts_; }
    Settings& Profile() override { return settings_; }
    std::unique_ptr<ProgressSink> MakeProgress() override { return makeProgress_(); }
    std::uintptr_t Owner() override;
    void StartJob(std::unique_ptr<ArchiveJob> job) override;
    // Waits on the user-interface thread, answering the messages the workers' progress
    // windows and message boxes send to the main window meanwhile.
    std::vector<std::unique_ptr<ArchiveJob>> WaitForJobs() override;
    void UpdateAllViews() override;
    void DocumentRenewed() override;
    void JobCompleted(const ArchiveJob& job) override;

  private:
    void JobFinished(std::unique_ptr<ArchiveJob> job) override;

    UserPrompts& prompts_;
    Settings& settings_;
    ProgressFactory makeProgress_;
    DocumentWindow* window_ = nullptr;
    std::atomic<HWND> mainWindow_{nullptr};
    // Jobs started and not yet finished; idle_ is signalled while there are none.
    std::mutex runningMutex_;
    std::atomic<int> running_{0};
    ScopedHandle idle_;
    // Finished jobs that could not be posted (no main window).
    CompletionQueue unposted_;
};
