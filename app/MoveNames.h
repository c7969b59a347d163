#pragma once
// The names of the folders and entries a move carries, folded once, so that what they would
// meet in a target is found in one pass over the target, however many items move.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/ArchiveItems.h"
#include "archive/RezTree.h"

class MoveNames {
  public:
    // The groups' sources are folders of the list, the root for null.
    MoveNames(const std::vector<RezFolder*>& folders, const std::vector<MovedEntries>& groups);

    // The name of a moved item that would meet another item of its kind and name (without
    // regard to case) in target, or that two moved items of a kind share; nullopt when none
    // does. Entries moved back into their own folder meet nothing there, nor a folder moved
    // into its own parent.
    std::optional<std::string> ClashIn(const RezFolder& target) const;

  private:
    // By folded name, sorted. Entries go by a hash of the folded name, made without copying
    // it, so thousands cost one sort and no block each; equal hashes are compared in full.
    std::vector<std::pair<std::string, const RezFolder*>> folders_;
    struct MovedEntry {
        const RezEntry* entry;
        const RezFolder* source;
    };
    std::vector<std::pair<std::uint64_t, MovedEntry>> entries_;
    std::optional<std::string> repeated_;
};
