#include "AppTestHost.h"

std::unique_ptr<ProgressSink> AppTestHost::MakeProgress() {
    return std::make_unique<RecordingProgress>();
}

void AppTestHost::StartJob(std::unique_ptr<ArchiveJob> job) {
    ::StartJob(std::move(job), jobs_);
}

std::vector<std::unique_ptr<ArchiveJob>> AppTestHost::WaitForJobs() {
    ::WaitForJobs();
    return jobs_.Completed().Drain();
}
