#pragma once
// Runs Open and Save jobs on the engine's worker threads and keeps their completions until the
// program without a window (the command line, tests) takes them on its own thread.
#include <functional>
#include <memory>
#include <vector>

#include "archive/CompletionQueue.h"
#include "archive/JobRunner.h"

class QueuedJobs : public JobHost {
  public:
    QueuedJobs(UserPrompts& prompts, std::function<std::unique_ptr<ProgressSink>()> makeProgress)
        : prompts_(prompts), makeProgress_(std::move(makeProgress)) {}

    void Start(std::unique_ptr<ArchiveJob> job) { ::StartJob(std::move(job), *this); }
    // Blocks until every job has ended; returns the finished jobs in completion order.
    std::vector<std::unique_ptr<ArchiveJob>> WaitAndTake();

    UserPrompts& Prompts() override { return prompts_; }
    std::unique_ptr<ProgressSink> MakeProgress() override { return makeProgress_(); }
    std::uintptr_t Owner() override { return 0; }
    void JobFinished(std::unique_ptr<ArchiveJob> job) override { finished_.Push(std::move(job)); }

  private:
    UserPrompts& prompts_;
    std::function<std::unique_ptr<ProgressSink>()> makeProgress_;
    CompletionQueue finished_;
};
