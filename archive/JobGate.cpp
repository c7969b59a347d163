#include "archive/JobGate.h"

void JobGate::Enter() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return signalled_; });
    signalled_ = false;
}

void JobGate::Leave() {
    {
        std::lock_guard lock(mutex_);
        signalled_ = true;
    }
    changed_.notify_all();
}

bool JobGate::IsOpen() {
    std::lock_guard lock(mutex_);
    return signalled_;
}

JobGate& TheJobGate() {
    static JobGate gate;
    return gate;
}
