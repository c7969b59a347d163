#pragma once
// Saving and loading through the engine with scripted prompts and a recording progress sink.
#include <string>

#include "archive/ArchiveTestFiles.h"
#include "archive/RezLoader.h"
#include "archive/RezSaver.h"
#include "support/RecordingProgress.h"
#include "support/ScriptedPrompts.h"

namespace archive_test {

struct ArchiveFixture : ::testing::Test {
    ScratchDir dir;
    ScriptedPrompts prompts;
    RecordingProgress progress;
    RezHeader header{};
    std::uint32_t pendingEntries = 0;

    // Writes folders to target, taking stored entries from source.
    bool Save(FolderList& folders, const std::string& target, const std::string& source = "",
              JobKind kind = JobSaveAs, ProgressSink* sink = nullptr) {
        ArchiveJob job;
        job.kind = kind;
        job.folders = &folders;
        job.path = target;
        job.sourcePath = source;
        const bool ok = SaveArchive(job, sink ? *sink : progress, prompts, 0);
        EXPECT_EQ(job.failed, !ok);
        header = job.header;
        pendingEntries = job.pendingEntries;
        return ok;
    }

    bool Load(const std::string& path, FolderList& folders, ProgressSink* sink = nullptr) {
        return LoadArchive(path, header, folders, sink ? *sink : progress, prompts, 0);
    }

    // A disk file to add, with its content.
    std::string DiskFile(const std::string& name, const std::string& content) {
        WriteAll(dir.Path(name), content);
        return dir.Path(name);
    }

    static RezEntry NewEntry(const std::string& diskPath, std::uint32_t size, std::uint32_t time,
                             std::uint32_t id) {
        RezEntry entry;
        entry.name = diskPath;
        entry.size = size;
        entry.time = time;
        entry.identifier = id;
        entry.typeCode = TypeCodeOf(diskPath);
        return entry;
    }
};

}  // namespace archive_test
