#pragma once
// Jobs run on a few worker threads and handed back in the order they were given, so that
// what the caller reports about them (messages, progress) keeps that order. A bounded number
// of jobs is held at once, so memory stays flat however many are given.
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

class OrderedPool {
  public:
    OrderedPool(unsigned threads, std::size_t capacity);
    // Waits for the jobs given (their results are dropped), then ends the workers.
    ~OrderedPool();
    OrderedPool(const OrderedPool&) = delete;
    OrderedPool& operator=(const OrderedPool&) = delete;

    // Jobs given and not yet taken back.
    std::size_t Pending() const { return given_ - taken_; }
    bool Full() const { return Pending() == slots_.size(); }
    // Gives a job; the pool must not be full.
    void Give(std::function<bool()> job);
    // True when the oldest job not taken back has finished.
    bool OldestDone();
    // Waits for the oldest job not taken back and returns its result; rethrows what ended it.
    // There must be one.
    bool TakeOldest();

  private:
    enum class State { Free, Queued, Running, Done };
    struct Slot {
        std::function<bool()> job;
        State state = State::Free;
        bool result = false;
        std::exception_ptr failure;
    };
    void WorkerLoop();
    void Stop();
    Slot& SlotOf(std::size_t sequence) { return slots_[sequence % slots_.size()]; }

    std::vector<Slot> slots_;
    std::mutex mutex_;
    std::condition_variable queued_;  // a job was given, or the pool ends
    std::condition_variable done_;    // a job the caller waits for finished
    std::size_t given_ = 0, started_ = 0, taken_ = 0;
    unsigned idleWorkers_ = 0;
    bool callerWaiting_ = false;
    bool stopping_ = false;
    std::vector<std::thread> workers_;
};
