#pragma once
// A plain-text listing of an archive's tree, for the command line.
#include <string>

#include "archive/RezTree.h"
#include "platform/NameCodec.h"

// One line per folder (its path from the root, ending in '\'), then one line per entry:
// size in bytes, modification time (UTC), identifier and name; names in the disk's text.
std::string ListArchive(const FolderList& folders, const NameCodec& names = SameNames());
