#pragma once
// Disk files and folders dropped on the window or pasted from the shell, added to an archive
// folder: the files first, then each folder with its contents.
#include <cstdint>

#include "app/Adding.h"
#include "archive/RezTree.h"

class CTarvexDoc;

// One .rez file alone is an archive to open, not content to add.
bool IsLoneArchiveDrop(const DiskPaths& dropped);

// The drop is one .rez file alone: it is opened as File > Open opens one, after the save
// question. False for any other drop.
bool OpenDroppedArchive(CTarvexDoc& doc, const DiskPaths& dropped);

// Adds the paths under target (null: the root) with a progress window owned by owner, then
// updates the views. False when nothing was to be added (no paths, or a lone .rez file). The
// folders are added after the files whatever a replace prompt was answered; a cancelled
// progress window stops each folder still to come. The archive itself is skipped as adding
// skips it.
bool AddDroppedPaths(CTarvexDoc& doc, const DiskPaths& dropped, RezFolder* target,
                     std::uintptr_t owner);
