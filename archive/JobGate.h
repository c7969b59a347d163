#pragma once
// A manual-reset event: signalled means no job is running.
#include <condition_variable>
#include <cstddef>
#include <mutex>

class JobGate {
  public:
    // Waits until the gate is signalled, then resets it: from here on other jobs wait.
    void Enter();
    // Signals the gate and wakes every waiter; one of them gets in.
    void Leave();
    bool IsOpen();
    // Blocks until at least count threads wait in Enter (lets tests see a job held back
    // without sleeping).
    void AwaitWaiters(std::size_t count);

  private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool signalled_ = true;
    std::size_t waiting_ = 0;
};

// The process-wide gate of the background jobs; the command-line mode passes through it too.
JobGate& TheJobGate();
