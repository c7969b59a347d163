#include <gtest/gtest.h>

#include <future>
#include <new>
#include <stdexcept>
#include <thread>

#include "archive/ArchiveFixture.h"
#include "archive/JobGate.h"
#include "archive/JobRunner.h"
#include "archive/QueuedJobHost.h"
#include "support/RezContents.h"

namespace {

using namespace archive_test;

// Holds its job in Start until released.
class HeldProgress : public RecordingProgress {
  public:
    HeldProgress(std::promise<void>& started, std::shared_future<void> release)
        : started_(started), release_(std::move(release)) {}
    void Start(std::uintptr_t owner) override {
        RecordingProgress::Start(owner);
        started_.set_value();
        release_.wait();
    }

  private:
    std::promise<void>& started_;
    std::shared_future<void> release_;
};

struct JobRunner : ArchiveFixture {
    std::string sample;

    void SetUp() override {
        FolderList folders;
        folders.Append("Untitled", nullptr)
            .entries.push_back(NewEntry(DiskFile("a.dat", "HELLO"), 5, 0, 1));
        sample = dir.Path("sample.rez");
        ASSERT_TRUE(Save(folders, sample));
    }

    static std::unique_ptr<ArchiveJob> OpenJob(const std::string& path) {
        auto job = std::make_unique<ArchiveJob>();
        job->kind = JobOpen;
        job->path = path;
        return job;
    }
};

TEST_F(JobRunner, ASecondJobWaitsUntilTheFirstHasHandedItsResultBack) {
    std::promise<void> firstStarted, release;
    std::shared_future<void> released = release.get_future().share();
    std::atomic<int> progressWindows{0};
    std::vector<RecordingProgress*> sinks;
    QueuedJobHost host(prompts, [&]() -> std::unique_ptr<ProgressSink> {
        if (progressWindows++ == 0)
            return std::make_unique<HeldProgress>(firstStarted, released);
        return std::make_unique<RecordingProgress>();
    });

    StartJob(OpenJob(sample), host);
    firstStarted.get_future().wait();
    StartJob(OpenJob(dir.Path("missing.rez")), host);
    TheJobGate().AwaitWaiters(1);
    EXPECT_EQ(progressWindows.load(), 1);  // the second worker stands at the gate
    EXPECT_FALSE(TheJobGate().IsOpen());
    EXPECT_EQ(host.Completed().TryTake(), nullptr);

    release.set_value();
    const auto first = host.Completed().Take();
    const auto second = host.Completed().Take();
    WaitForJobs();
    EXPECT_TRUE(TheJobGate().IsOpen());

    EXPECT_EQ(first->path, sample);
    EXPECT_FALSE(first->failed);
    EXPECT_EQ(first->loaded.TotalEntryCount(), 1u);
    EXPECT_EQ(first->header.rootDirectoryPosition, 173u);
    EXPECT_EQ(second->path, dir.Path("missing.rez"));
    EXPECT_TRUE(second->failed);
    EXPECT_TRUE(second->loaded.Empty());
    EXPECT_EQ(prompts.Texts(),
              std::vector<std::string>{"Error opening file: " + dir.Path("missing.rez")});
}

// Copies what it recorded into report when the worker destroys it.
struct ReportingProgress : RecordingProgress {
    RecordingProgress& report;
    explicit ReportingProgress(RecordingProgress& r) : report(r) {}
    ~ReportingProgress() override { report = *this; }
};

// Runs out of memory when an Open has read its first folder, as a damaged index may make it.
class ExhaustedProgress : public RecordingProgress {
  public:
    bool HasUserCancelled() override {
        if (++polls_ > 1)
            throw std::bad_alloc();
        return false;
    }

  private:
    int polls_ = 0;
};

TEST_F(JobRunner, WhatEscapesAJobIsReportedAsItsFailureAndTheNextJobStillRuns) {
    FolderList folders;
    RezFolder& root = folders.Append("Untitled", nullptr);
    folders.Append("SUB", &root).entries.push_back(NewEntry(DiskFile("b.dat", "B"), 1, 0, 2));
    const std::string nested = dir.Path("nested.rez");
    ASSERT_TRUE(Save(folders, nested));
    prompts.asked.clear();

    int made = 0;
    QueuedJobHost host(prompts, [&made]() -> std::unique_ptr<ProgressSink> {
        if (made++ == 1)
            throw std::runtime_error("no progress window");
        return std::make_unique<ExhaustedProgress>();
    });
    StartJob(OpenJob(nested), host);
    auto exhausted = host.Completed().Take();
    StartJob(OpenJob(sample), host);
    auto refused = host.Completed().Take();
    EXPECT_TRUE(exhausted->failed);
    EXPECT_TRUE(exhausted->loaded.Empty());
    EXPECT_TRUE(refused->failed);
    const std::vector<std::string> expected = {
        "Error opening file: " + nested + "\n(not enough memory)",
        "Error opening file: " + sample + "\n(no progress window)"};
    EXPECT_EQ(prompts.Texts(), expected);
    WaitForJobs();
    EXPECT_TRUE(TheJobGate().IsOpen());

    QueuedJobHost working(prompts, [] { return std::make_unique<RecordingProgress>(); });
    StartJob(OpenJob(sample), working);
    EXPECT_FALSE(working.Completed().Take()->failed);
}

TEST_F(JobRunner, WorkersSetUpTheirProgressWindowAndStopIt) {
    RecordingProgress report;
    QueuedJobHost host(
        prompts, [&]() { return std::make_unique<ReportingProgress>(report); }, 42);
    StartJob(OpenJob(sample), host);
    WaitForJobs();
    ASSERT_NE(host.Completed().TryTake(), nullptr);
    EXPECT_EQ(report.title, "Tarvex Progress");
    EXPECT_EQ(report.animation, 184);
    EXPECT_EQ(report.cancelMessage, "Cancel");
    EXPECT_TRUE(report.timeEstimate);
    EXPECT_EQ(report.total, 100u);
    EXPECT_EQ(report.starts, 1);
    EXPECT_EQ(report.owner, 42u);
    EXPECT_FALSE(report.started);  // stopped before the job was handed back
}

TEST_F(JobRunner, SaveJobsRunThroughTheWorkerAndCancelKeepsTheArchive) {
    const std::string original = ReadAll(sample);
    FolderList document;
    ASSERT_TRUE(Load(sample, document));
    document.Root()->entries.push_back(NewEntry(DiskFile("b.dat", "more"), 4, 0, 2));

    // The first save is cancelled at its first entry; the second is held at its start, after
    // the first has ended, until the archive has been looked at.
    std::promise<void> secondStarted, release;
    std::shared_future<void> released = release.get_future().share();
    int sinks = 0;
    QueuedJobHost host(prompts, [&]() -> std::unique_ptr<ProgressSink> {
        if (sinks++ == 0)
            return std::make_unique<RecordingProgress>(2);
        return std::make_unique<HeldProgress>(secondStarted, released);
    });
    for (int i = 0; i < 2; ++i) {
        auto job = std::make_unique<ArchiveJob>();
        job->kind = JobSave;
        job->folders = &document;
        job->path = sample;
        job->sourcePath = sample;
        StartJob(std::move(job), host);
    }
    secondStarted.get_future().wait();
    const auto cancelled = host.Completed().Take();
    EXPECT_TRUE(cancelled->failed);
    EXPECT_EQ(ReadAll(sample), original);

    release.set_value();
    const auto saved = host.Completed().Take();
    WaitForJobs();
    EXPECT_FALSE(saved->failed);
    EXPECT_EQ(support::RezContents(sample),
              (std::vector<std::string>{"A.DAT = HELLO", "B.DAT = more"}));
    EXPECT_EQ(dir.Files(), (std::vector<std::string>{"a.dat", "b.dat", "sample.rez"}));
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(JobRunner, RunJobLoadsIntoTheJobsOwnListOnly) {
    FolderList document;
    document.Append("Untitled", nullptr);
    auto job = OpenJob(dir.Path("missing.rez"));
    job->folders = &document;
    job->loaded.Append("stale", nullptr);
    EXPECT_FALSE(RunJob(*job, progress, prompts, 0));
    EXPECT_TRUE(job->failed);
    EXPECT_TRUE(job->loaded.Empty());
    EXPECT_EQ(document.Root()->name, "Untitled");

    job->path = sample;
    EXPECT_TRUE(RunJob(*job, progress, prompts, 7));
    EXPECT_FALSE(job->failed);
    EXPECT_EQ(job->loaded.Root()->name, "sample");
    EXPECT_EQ(progress.owner, 7u);
    EXPECT_EQ(document.Size(), 1u);
}

TEST(CompletionQueue, HandsJobsBackInTheOrderTheyFinished) {
    CompletionQueue queue;
    std::thread worker([&] {
        for (int i = 0; i < 3; ++i) {
            auto job = std::make_unique<ArchiveJob>();
            job->path = std::to_string(i);
            queue.Push(std::move(job));
        }
    });
    EXPECT_EQ(queue.Take()->path, "0");
    worker.join();
    auto rest = queue.Drain();
    ASSERT_EQ(rest.size(), 2u);
    EXPECT_EQ(rest[0]->path, "1");
    EXPECT_EQ(rest[1]->path, "2");
    EXPECT_EQ(queue.TryTake(), nullptr);
}

}  // namespace
