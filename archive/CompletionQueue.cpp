#include "archive/CompletionQueue.h"

void CompletionQueue::Push(std::unique_ptr<ArchiveJob> job) {
    {
        std::lock_guard lock(mutex_);
        jobs_.push_back(std::move(job));
    }
    pushed_.notify_all();
}

std::unique_ptr<ArchiveJob> CompletionQueue::Take() {
    std::unique_lock lock(mutex_);
    pushed_.wait(lock, [this] { return !jobs_.empty(); });
    auto job = std::move(jobs_.front());
    jobs_.pop_front();
    return job;
}

std::unique_ptr<ArchiveJob> CompletionQueue::TryTake() {
    std::lock_guard lock(mutex_);
    if (jobs_.empty())
        return nullptr;
    auto job = std::move(jobs_.front());
    jobs_.pop_front();
    return job;
}

std::vector<std::unique_ptr<ArchiveJob>> CompletionQueue::Drain() {
    std::lock_guard lock(mutex_);
    std::vector<std::unique_ptr<ArchiveJob>> all;
    for (auto& job : jobs_)
        all.push_back(std::move(job));
    jobs_.clear();
    return all;
}
