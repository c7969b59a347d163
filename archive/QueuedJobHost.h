#pragma once
// A JobHost for programs without a window: finished jobs wait in a completion queue that the
// starting thread drains.
#include <functional>
#include <memory>

#include "archive/CompletionQueue.h"
#include "archive/JobRunner.h"

class QueuedJobHost : public JobHost {
  public:
    using ProgressFactory = std::function<std::unique_ptr<ProgressSink>()>;

    QueuedJobHost(UserPrompts& prompts, ProgressFactory makeProgress, std::uintptr_t owner = 0)
        : prompts_(prompts), makeProgress_(std::move(makeProgress)), owner_(owner) {}

    CompletionQueue& Completed() { return completed_; }

    UserPrompts& Prompts() override { return prompts_; }
    std::unique_ptr<ProgressSink> MakeProgress() override { return makeProgress_(); }
    std::uintptr_t Owner() override { return owner_; }
    void JobFinished(std::unique_ptr<ArchiveJob> job) override { completed_.Push(std::move(job)); }

  private:
    UserPrompts& prompts_;
    ProgressFactory makeProgress_;
    std::uintptr_t owner_;
    CompletionQueue completed_;
};
