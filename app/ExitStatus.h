#pragma once
// The exit status of a command-line run, as archivers give it, so that a script can trust it:
// every command of tarvex and the batch commands of Tarvex.exe end with one of these.
enum class ExitStatus : int {
    // Every item was stored, extracted or written (a search: something matched).
    Complete = 0,
    // The archive was saved or the extraction ran, but some items were left out, each named on
    // standard error (a search: nothing matched).
    Partial = 1,
    // The command failed and changed nothing: no archive written, nothing extracted.
    Failed = 2,
};

// done: the command's result was made (the archive saved, the extraction begun, the archive
// read); leftOut: some of what was asked for is not in it.
constexpr ExitStatus StatusOf(bool done, bool leftOut) {
    return !done ? ExitStatus::Failed : leftOut ? ExitStatus::Partial : ExitStatus::Complete;
}

constexpr int ExitCode(ExitStatus status) {
    return static_cast<int>(status);
}
