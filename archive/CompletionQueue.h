#pragma once
// Hands finished jobs from worker threads back to the thread that started them.
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <vector>

#include "archive/ArchiveJob.h"

class CompletionQueue {
  public:
    // From a worker.
    void Push(std::unique_ptr<ArchiveJob> job);
    // Blocks until a job has finished and returns it.
    std::unique_ptr<ArchiveJob> Take();
    // The next finished job, or null when none is waiting.
    std::unique_ptr<ArchiveJob> TryTake();
    // Every finished job waiting, in the order they finished.
    std::vector<std::unique_ptr<ArchiveJob>> Drain();

  private:
    std::mutex mutex_;
    std::condition_variable pushed_;
    std::deque<std::unique_ptr<ArchiveJob>> jobs_;
};
