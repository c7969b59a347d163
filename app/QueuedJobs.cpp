#include "app/QueuedJobs.h"

std::vector<std::unique_ptr<ArchiveJob>> QueuedJobs::WaitAndTake() {
    ::WaitForJobs();
    return finished_.Drain();
}
