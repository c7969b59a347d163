#pragma once
// Reads an archive's index (never its entry data) into a folder list.
#include <cstdint>
#include <string>

#include "archive/RezFormat.h"
#include "archive/RezTree.h"
#include "platform/ProgressSink.h"
#include "platform/UserPrompts.h"

// Fills header and folders (passed in empty) from the archive at path. Failures are shown
// through prompts with their messages; returns false on failure or cancel.
bool LoadArchive(const std::string& path, RezHeader& header, FolderList& folders,
                 ProgressSink& progress, UserPrompts& prompts, std::uintptr_t owner);
