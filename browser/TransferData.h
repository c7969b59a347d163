#pragma once
// What a drag or the clipboard offers, as the drop targets and Paste read it: the move payload
// under the private format, or a shell drop list of disk paths. On Windows an OLE data object;
// in tests a plain one.
#include <cstdint>
#include <string>
#include <vector>

class TransferData {
  public:
    virtual ~TransferData() = default;

    virtual bool OffersMovePayload() = 0;
    virtual bool OffersShellFiles() = 0;
    // The payload's bytes; empty when there is none or it cannot be read.
    virtual std::vector<std::uint8_t> MovePayload() = 0;
    // The dropped paths in drop-list order; empty when there are none.
    virtual std::vector<std::string> ShellFiles() = 0;
};

// The cursor a drag shows; every one that is not None ends in a move (or an add).
enum class DropEffect { None, Copy, Move };
