#include "archive/OrderedPool.h"

#include <algorithm>
#include <utility>

OrderedPool::OrderedPool(unsigned threads, std::size_t capacity)
    : slots_(std::max<std::size_t>(capacity, 1)) {
    try {
        for (unsigned i = 0; i < std::max(threads, 1u); ++i)
            workers_.emplace_back([this] { WorkerLoop(); });
    } catch (...) {
        Stop();
        throw;
    }
}

OrderedPool::~OrderedPool() {
    Stop();
}

void OrderedPool::Stop() {
    {
        std::unique_lock lock(mutex_);
        // The jobs may use what the caller keeps until it returns.
        callerWaiting_ = true;
        done_.wait(lock, [&] {
            for (std::size_t s = taken_; s < given_; ++s)
                if (SlotOf(s).state != State::Done)
                    return false;
            return true;
        });
        stopping_ = true;
    }
    queued_.notify_all();
    for (std::thread& worker : workers_)
        worker.join();
    workers_.clear();
}

void OrderedPool::Give(std::function<bool()> job) {
    bool wake;
    {
        std::lock_guard lock(mutex_);
        Slot& slot = SlotOf(given_++);
        slot.job = std::move(job);
        slot.state = State::Queued;
        slot.failure = nullptr;
        wake = idleWorkers_ > 0;
    }
    // A busy worker finds the job when it asks for its next one.
    if (wake)
        queued_.notify_one();
}

bool OrderedPool::OldestDone() {
    std::lock_guard lock(mutex_);
    return taken_ < given_ && SlotOf(taken_).state == State::Done;
}

bool OrderedPool::TakeOldest() {
    std::unique_lock lock(mutex_);
    Slot& slot = SlotOf(taken_);
    callerWaiting_ = true;
    done_.wait(lock, [&] { return slot.state == State::Done; });
    callerWaiting_ = false;
    ++taken_;
    slot.state = State::Free;
    slot.job = nullptr;
    if (slot.failure)
        std::rethrow_exception(std::exchange(slot.failure, nullptr));
    return slot.result;
}

void OrderedPool::WorkerLoop() {
    std::unique_lock lock(mutex_);
    for (;;) {
        ++idleWorkers_;
        queued_.wait(lock, [&] { return stopping_ || started_ < given_; });
        --idleWorkers_;
        if (started_ == given_)
            return;  // stopping, with nothing left
        Slot& slot = SlotOf(started_++);
        slot.state = State::Running;
        std::function<bool()> job = std::move(slot.job);
        lock.unlock();
        bool result = false;
        std::exception_ptr failure;
        try {
            result = job();
        } catch (...) {
            failure = std::current_exception();
        }
        job = nullptr;
        lock.lock();
        slot.result = result;
        slot.failure = failure;
        slot.state = State::Done;
        if (callerWaiting_)
            done_.notify_all();
    }
}
