#include "archive/JobRunner.h"

#include <atomic>
#include <list>
#include <mutex>
#include <new>
#include <stdexcept>
#include <thread>

#include "archive/JobGate.h"
#include "archive/RezLoader.h"
#include "archive/RezSaver.h"
#include "platform/Format.h"
#include "platform/WorkerPriority.h"

namespace {

// Worker threads not yet joined. Finished ones are joined when the next job starts or when
// someone waits for all jobs.
class Workers {
  public:
    ~Workers() { JoinAll(); }
    void Add(std::unique_ptr<ArchiveJob> job, JobHost& host);
    void JoinAll();

  private:
    struct Worker {
        std::thread thread;
        std::shared_ptr<std::atomic<bool>> done = std::make_shared<std::atomic<bool>>(false);
    };
    void JoinFinished();

    std::mutex mutex_;
    std::list<Worker> workers_;
};

// Nothing a file says may end the program: whatever escapes a job (memory a damaged index
// asks for, above all on 32-bit Windows) becomes the job's failure, reported like the others.
void RunGuarded(ArchiveJob& job, JobHost& host) {
    std::string failure;
    try {
        std::unique_ptr<ProgressSink> progress = host.MakeProgress();
        SetUpProgress(*progress);
        RunJob(job, *progress, host.Prompts(), host.Owner());
        progress->Stop();
        return;
    } catch (const std::bad_alloc&) {
        failure = "not enough memory";
    } catch (const std::exception& error) {
        failure = error.what();
    } catch (...) {
        failure = "unknown error";
    }
    job.failed = true;
    job.loaded.Clear();
    try {
        host.Prompts().Show(Format(job.kind == JobOpen ? "Error opening file: %s\n(%s)"
                                                       : "Error writing Rez File: %s\n(%s)",
                                   job.path.c_str(), failure.c_str()));
    } catch (...) {
        // Nothing is left to report with.
    }
}

void RunWorker(std::unique_ptr<ArchiveJob> job, JobHost& host) {
    RaiseCurrentThreadPriority();
    JobGate& gate = TheJobGate();
    gate.Enter();
    job->header = RezHeader{};
    RunGuarded(*job, host);
    host.JobFinished(std::move(job));
    gate.Leave();
}

void Workers::Add(std::unique_ptr<ArchiveJob> job, JobHost& host) {
    JoinFinished();
    std::lock_guard lock(mutex_);
    Worker& worker = workers_.emplace_back();
    worker.thread = std::thread([job = std::move(job), &host, done = worker.done]() mutable {
        RunWorker(std::move(job), host);
        done->store(true);
    });
}

void Workers::JoinFinished() {
    std::list<Worker> finished;
    {
        std::lock_guard lock(mutex_);
        for (auto it = workers_.begin(); it != workers_.end();) {
            auto next = std::next(it);
            if (it->done->load())
                finished.splice(finished.end(), workers_, it);
            it = next;
        }
    }
    for (Worker& worker : finished)
        worker.thread.join();
}

void Workers::JoinAll() {
    for (;;) {
        std::list<Worker> all;
        {
            std::lock_guard lock(mutex_);
            if (workers_.empty())
                return;
            all.swap(workers_);
        }
        for (Worker& worker : all)
            worker.thread.join();
    }
}

Workers& TheWorkers() {
    TheJobGate();  // built first, so it outlives the workers that use it
    static Workers workers;
    return workers;
}

}  // namespace

void StartJob(std::unique_ptr<ArchiveJob> job, JobHost& host) {
    TheWorkers().Add(std::move(job), host);
}

void WaitForJobs() {
    TheWorkers().JoinAll();
}

bool RunJob(ArchiveJob& job, ProgressSink& progress, UserPrompts& prompts, std::uintptr_t owner) {
    if (job.kind == JobOpen) {
        job.failed = true;
        job.loaded.Clear();
        job.failed = !LoadArchive(job.path, job.header, job.loaded, progress, prompts, owner);
        return !job.failed;
    }
    return SaveArchive(job, progress, prompts, owner);
}
