#pragma once
// Writes a folder list as a new archive file.
#include <cstdint>

#include "archive/ArchiveJob.h"
#include "platform/ProgressSink.h"
#include "platform/UserPrompts.h"

// Writes *job.folders to job.path, reading stored entries from job.sourcePath. On success the
// folders' entries point into the new file; on failure the previous archive file and the
// document are as they were. Returns false on failure or cancel.
bool SaveArchive(ArchiveJob& job, ProgressSink& progress, UserPrompts& prompts,
                 std::uintptr_t owner);
