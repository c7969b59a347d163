#include "browser/PictureWorker.h"

#include <utility>

PictureWorker::PictureWorker(int pictureSize, std::function<void()> resultsReady, Decode decode)
    : resultsReady_(std::move(resultsReady)),
      decode_(decode ? std::move(decode) : [size = pictureSize](const PictureJob& job) {
          return ReadIconPicture(job.path, job.offset, job.length, size);
      }) {}

PictureWorker::~PictureWorker() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

void PictureWorker::Request(PictureJob job) {
    {
        std::lock_guard lock(mutex_);
        if (made_.count(job.key.serial))
            return;
        queue_.Add(std::move(job));
        if (!thread_.joinable())
            thread_ = std::thread([this] { Run(); });
    }
    changed_.notify_all();
}

void PictureWorker::SetVisibleRows(int first, int last) {
    std::lock_guard lock(mutex_);
    queue_.SetVisibleRows(first, last);
}

void PictureWorker::Cancel() {
    std::unique_lock lock(mutex_);
    ++generation_;
    queue_.Clear();
    results_.clear();
    made_.clear();
    changed_.wait(lock, [this] { return !decoding_; });
}

std::vector<PictureResult> PictureWorker::TakeResults() {
    std::lock_guard lock(mutex_);
    for (const PictureResult& result : results_)
        made_.erase(result.job.key.serial);
    return std::exchange(results_, {});
}

void PictureWorker::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        std::optional<PictureJob> job;
        changed_.wait(lock, [&] { return stopping_ || (job = queue_.TakeNext()); });
        if (stopping_)
            return;
        const unsigned generation = generation_;
        made_.insert(job->key.serial);
        decoding_ = true;
        lock.unlock();
        IconPicture picture = decode_(*job);
        lock.lock();
        decoding_ = false;
        changed_.notify_all();
        if (generation != generation_)
            continue;
        const bool first = results_.empty();
        results_.push_back({std::move(*job), std::move(picture)});
        if (first && resultsReady_)
            resultsReady_();
    }
}
