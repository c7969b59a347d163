#pragma once
// One Open or Save request for the worker thread.
#include <cstdint>
#include <string>

#include "archive/RezFormat.h"
#include "archive/RezTree.h"

enum JobKind : std::uint8_t { JobOpen = 0, JobSave = 1, JobSaveAs = 2 };

struct ArchiveJob {
    JobKind kind = JobOpen;
    // Save: the document's folder list, written out. Open: unused.
    FolderList* folders = nullptr;
    // Open: the archive as read, handed to the document only when the job succeeded, so a
    // failed or cancelled Open leaves the document as it was.
    FolderList loaded;
    std::string path;        // the file to open or to write
    std::string sourcePath;  // saves: where entries with a data position have their data
    bool failed = true;
    RezHeader header{};  // read by Open, built by Save
    // Save: new entries left out of the written file because their disk file could not be
    // read. They stay in the document as not yet stored, so it should stay modified.
    std::uint32_t pendingEntries = 0;
};
