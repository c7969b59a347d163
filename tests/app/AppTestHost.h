#pragma once
// A document host for tests: scripted prompts, settings in memory, recording progress windows,
// and the real background jobs.
#include <memory>
#include <string>
#include <vector>

#include "app/DocumentHost.h"
#include "app/TarvexDoc.h"
#include "archive/QueuedJobHost.h"
#include "support/Collect.h"
#include "support/MemorySettings.h"
#include "support/RecordingProgress.h"
#include "support/ScratchFolder.h"
#include "support/ScriptedPrompts.h"
#include "support/WholeFile.h"

class AppTestHost : public DocumentHost {
  public:
    ScriptedPrompts prompts;
    MemorySettings settings;
    int viewUpdates = 0;
    int renewals = 0;
    std::vector<JobKind> completedKinds;
    std::vector<std::string> completedPaths;

    UserPrompts& Prompts() override { return prompts; }
    Settings& Profile() override { return settings; }
    std::unique_ptr<ProgressSink> MakeProgress() override;
    std::uintptr_t Owner() override { return 0; }
    void StartJob(std::unique_ptr<ArchiveJob> job) override;
    std::vector<std::unique_ptr<ArchiveJob>> WaitForJobs() override;
    void UpdateAllViews() override { ++viewUpdates; }
    void DocumentRenewed() override { ++renewals; }
    void JobCompleted(const ArchiveJob& job) override {
        completedKinds.push_back(job.kind);
        completedPaths.push_back(job.path);
    }

  private:
    QueuedJobHost jobs_{prompts, [] { return std::make_unique<RecordingProgress>(); }};
};

// The names the document's tests have always used for the support library's pieces.
using TempDir = support::ScratchFolder;
using support::ReadWholeFile;

// Entry names of a folder in list order.
inline std::vector<std::string> EntryNames(const RezFolder& folder) {
    return support::Collect(folder.entries, [](const RezEntry& entry) { return entry.name.str(); });
}
