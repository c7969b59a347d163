#pragma once
// The batch commands of the command line: create, gather, extract.
#include "app/CommandLine.h"
#include "app/ExitStatus.h"
#include "app/TarvexDoc.h"

struct BatchOutcome {
    // The window program goes on running (no batch command, /E, /A).
    bool keepRunning = true;
    // Complete; Partial when the archive was saved or the extraction ran but items were left
    // out (skipped, not written, or a Cancel); Failed when the load, the extraction's start
    // or the save failed. A batch run never reports success after a failure.
    ExitStatus status = ExitStatus::Complete;
};

// Carries out the record's shell command (new or open) and then its batch command. Jobs are
// waited for, so the outcome is known on return.
BatchOutcome ProcessBatchCommand(const CTarvexCommandLineInfo& info, CTarvexDoc& doc);
