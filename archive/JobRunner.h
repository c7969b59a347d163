#pragma once
// Background Open and Save jobs: one worker thread per job, one job running at a time.
#include <cstdint>
#include <memory>

#include "archive/ArchiveJob.h"
#include "platform/ProgressSink.h"
#include "platform/UserPrompts.h"

// What a worker needs from the program that starts it.
class JobHost {
  public:
    virtual ~JobHost() = default;
    virtual UserPrompts& Prompts() = 0;
    // A fresh progress window for one job (set up and started by the job itself).
    virtual std::unique_ptr<ProgressSink> MakeProgress() = 0;
    // The owner window of the progress window and message boxes; 0 for none.
    virtual std::uintptr_t Owner() = 0;
    // Called on the worker when the job has ended; hands the job back to the user-interface
    // thread (a posted message on Windows, a completion queue elsewhere).
    virtual void JobFinished(std::unique_ptr<ArchiveJob> job) = 0;
};

// Starts a worker thread for the job and returns at once.
void StartJob(std::unique_ptr<ArchiveJob> job, JobHost& host);
// Blocks until no job is running or waiting (every JobFinished has returned). Not for use on a
// worker, e.g. inside JobFinished.
void WaitForJobs();
// The body of a job, run synchronously: LoadArchive into job.loaded, or SaveArchive.
// Clears job.failed on success.
bool RunJob(ArchiveJob& job, ProgressSink& progress, UserPrompts& prompts, std::uintptr_t owner);
