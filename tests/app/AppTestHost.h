#pragma once
// A document host for tests: scripted prompts, settings in memory, recording progress windows,
// and the real background jobs.
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/DocumentHost.h"
#include "app/TarvexDoc.h"
#include "archive/QueuedJobHost.h"
#include "support/MemorySettings.h"
#include "support/RecordingProgress.h"
#include "support/ScriptedPrompts.h"

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
    std::unique_ptr<ProgressSink> MakeProgress() override {
        return std::make_unique<RecordingProgress>();
    }
    std::uintptr_t Owner() override { return 0; }
    void StartJob(std::unique_ptr<ArchiveJob> job) override { ::StartJob(std::move(job), jobs_); }
    std::vector<std::unique_ptr<ArchiveJob>> WaitForJobs() override {
        ::WaitForJobs();
        return jobs_.Completed().Drain();
    }
    void UpdateAllViews() override { ++viewUpdates; }
    void DocumentRenewed() override { ++renewals; }
    void JobCompleted(const ArchiveJob& job) override {
        completedKinds.push_back(job.kind);
        completedPaths.push_back(job.path);
    }

  private:
    QueuedJobHost jobs_{prompts, [] { return std::make_unique<RecordingProgress>(); }};
};

// A fresh directory for one test, removed afterwards.
class TempDir {
  public:
    TempDir() {
        static int counter = 0;
        path_ = std::filesystem::temp_directory_path() /
                ("tarvex-app-" + std::to_string(Pid()) + "-" + std::to_string(++counter));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    std::string Path(const std::string& relative = "") const {
        return relative.empty() ? path_.string() : (path_ / relative).make_preferred().string();
    }
    // Writes a file (and its folders) below the directory; returns its path.
    std::string Write(const std::string& relative, const std::string& content) const {
        const std::filesystem::path file = std::filesystem::path(Path(relative));
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << content;
        return file.string();
    }
    std::string MakeDir(const std::string& relative) const {
        std::filesystem::create_directories(Path(relative));
        return Path(relative);
    }

  private:
    static long Pid();
    std::filesystem::path path_;
};

inline std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Entry names of a folder in list order.
inline std::vector<std::string> EntryNames(const RezFolder& folder) {
    std::vector<std::string> names;
    for (const RezEntry& entry : folder.entries)
        names.push_back(entry.name);
    return names;
}
