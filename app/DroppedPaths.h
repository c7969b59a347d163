#pragma once
// Disk files and folders dropped on the window or pasted from the shell, added to an archive
// folder: the files first, then each folder with its contents.
#include <cstdint>
#include <string>
#include <vector>

#include "archive/RezTree.h"

class CTarvexDoc;

struct DroppedPaths {
    std::vector<std::string> files;
    std::vector<std::string> folders;
};

// The paths that are directories on disk go to the folders, all others to the files, each in
// drop-list order.
DroppedPaths SortDroppedPaths(const std::vector<std::string>& paths);

// One .rez file alone is an archive to open, not content to add.
bool IsLoneArchiveDrop(const DroppedPaths& dropped);

// The drop is one .rez file alone: it is opened as File > Open opens one, after the save
// question. False for any other drop.
bool OpenDroppedArchive(CTarvexDoc& doc, const std::vector<std::string>& paths);

// Adds the paths under target (null: the root) with a progress window owned by owner, then
// updates the views. False when nothing was to be added (no paths, or a lone .rez file). The
// folders are added after the files whatever a replace prompt was answered; a cancelled
// progress window stops each folder still to come. The archive itself is skipped as adding
// skips it.
bool AddDroppedPaths(CTarvexDoc& doc, const std::vector<std::string>& paths, RezFolder* target,
                     std::uintptr_t owner);
