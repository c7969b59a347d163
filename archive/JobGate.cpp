#include "archive/JobGate.h"

void JobGate::Enter() {
    std::unique_lock lock(mutex_);
    ++waiting_;
    changed_.notify_all();
    changed_.wait(lock, [this] { return signalled_; });
    --waiting_;
    signalled_ = false;
}

void JobGate::Leave() {
    {
        std::lock_guard lock(mutex_);
        signalled_ = true;
    }
    changed_.notify_all();
}

void JobGate::AwaitWaiters(std::size_t count) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this, count] { return waiting_ >= count; });
}

bool JobGate::IsOpen() {
    std::lock_guard lock(mutex_);
    return signalled_;
}

JobGate& TheJobGate() {
    static JobGate gate;
    return gate;
}
