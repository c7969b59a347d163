#include "app/win32/Win32DocumentHost.h"

Win32DocumentHost::Win32DocumentHost(UserPrompts& prompts, Settings& settings,
                                     ProgressFactory makeProgress)
    : prompts_(prompts),
      settings_(settings),
      makeProgress_(std::move(makeProgress)),
      idle_(CreateEventA(nullptr, TRUE, TRUE, nullptr)) {}

Win32DocumentHost::~Win32DocumentHost() {
    WaitForJobs();
}

void Win32DocumentHost::SetWindow(DocumentWindow* window) {
    window_ = window;
    mainWindow_ = window ? window->MainWindow() : nullptr;
}

std::unique_ptr<ArchiveJob> Win32DocumentHost::TakeCompletedJob(WPARAM wParam) {
    return std::unique_ptr<ArchiveJob>(reinterpret_cast<ArchiveJob*>(wParam));
}

std::uintptr_t Win32DocumentHost::Owner() {
    return reinterpret_cast<std::uintptr_t>(mainWindow_.load());
}

void Win32DocumentHost::StartJob(std::unique_ptr<ArchiveJob> job) {
    if (window_)
        window_->JobStarting();
    {
        std::lock_guard lock(runningMutex_);
        if (running_++ == 0)
            ResetEvent(idle_.Get());
    }
    ::StartJob(std::move(job), *this);
}

void Win32DocumentHost::JobFinished(std::unique_ptr<ArchiveJob> job) {
    // On the worker. The model is handed back before the message says so.
    {
        std::lock_guard lock(runningMutex_);
        if (--running_ == 0)
            SetEvent(idle_.Get());
    }
    HWND window = mainWindow_.load();
    ArchiveJob* posted = job.get();
    if (window != nullptr &&
        PostMessageA(window, kJobCompletedMessage, reinterpret_cast<WPARAM>(posted),
                     reinterpret_cast<LPARAM>(&posted->header)))
        job.release();
    else
        unposted_.Push(std::move(job));
}

std::vector<std::unique_ptr<ArchiveJob>> Win32DocumentHost::WaitForJobs() {
    // A worker's progress window disables the main window, and its message boxes belong to
    // it: both wait for this thread, so it must answer sent messages while it waits.
    const HANDLE idle = idle_.Get();
    while (MsgWaitForMultipleObjects(1, &idle, FALSE, INFINITE, QS_SENDMESSAGE) ==
           WAIT_OBJECT_0 + 1) {
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    ::WaitForJobs();
    std::vector<std::unique_ptr<ArchiveJob>> jobs = unposted_.Drain();
    if (HWND window = mainWindow_.load()) {
        MSG message;
        while (
            PeekMessageA(&message, window, kJobCompletedMessage, kJobCompletedMessage, PM_REMOVE))
            jobs.push_back(TakeCompletedJob(message.wParam));
    }
    return jobs;
}

void Win32DocumentHost::UpdateAllViews() {
    if (window_)
        window_->UpdateAllViews();
}

void Win32DocumentHost::DocumentRenewed() {
    if (window_)
        window_->DocumentRenewed();
}

void Win32DocumentHost::JobCompleted(const ArchiveJob& job) {
    if (window_)
        window_->JobCompleted(job);
}
