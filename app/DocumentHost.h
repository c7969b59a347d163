#pragma once
// What the document needs from the program around it: the window on Windows, the command
// line elsewhere, a scripted double in tests.
#include <cstdint>
#include <memory>
#include <vector>

#include "archive/ArchiveJob.h"
#include "platform/NameCodec.h"
#include "platform/ProgressSink.h"
#include "platform/Settings.h"
#include "platform/UserPrompts.h"

class DocumentHost {
  public:
    virtual ~DocumentHost() = default;

    virtual UserPrompts& Prompts() = 0;
    virtual Settings& Profile() = 0;
    // A fresh progress window for one operation, not yet set up or shown.
    virtual std::unique_ptr<ProgressSink> MakeProgress() = 0;
    // The owner window of progress windows; 0 for none.
    virtual std::uintptr_t Owner() = 0;
    // How archive names and disk names convert into each other.
    virtual const NameCodec& Names() { return SameNames(); }

    // Starts an Open or Save job on the worker; its completion is handed back to the
    // document's CompleteJob on this thread.
    virtual void StartJob(std::unique_ptr<ArchiveJob> job) = 0;
    // Blocks until every started job has ended, and returns the jobs whose completion has
    // not been handed back yet, so the document can complete them at once.
    virtual std::vector<std::unique_ptr<ArchiveJob>> WaitForJobs() = 0;

    // The model changed: views rebuild their tree and rows.
    virtual void UpdateAllViews() = 0;
    // The document was emptied by New: the window clears its history, as after an Open.
    virtual void DocumentRenewed() {}
    // A job's completion was handled (the window adds the path to its recent-file list).
    virtual void JobCompleted(const ArchiveJob&) {}
};
