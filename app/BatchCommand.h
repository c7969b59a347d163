#pragma once
// The batch commands of the command line: create, gather, extract.
#include "app/CommandLine.h"
#include "app/TarvexDoc.h"

struct BatchOutcome {
    // The window program goes on running (no batch command, /E, /A).
    bool keepRunning = true;
    // Something failed: an item, the load, the extraction or the save. A batch run never
    // reports success after a failure.
    bool failed = false;
};

// Carries out the record's shell command (new or open) and then its batch command. Jobs are
// waited for, so the outcome is known on return.
BatchOutcome ProcessBatchCommand(const CTarvexCommandLineInfo& info, CTarvexDoc& doc);
