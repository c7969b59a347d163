#pragma once
// Items of the archive named by their paths below the root, as commands name them.
#include <optional>
#include <string>
#include <vector>

#include "archive/RezTree.h"

// A folder, or an entry of a folder (entry set).
struct ArchiveItem {
    RezFolder* folder = nullptr;
    RezEntry* entry = nullptr;
};

// Entries of one folder, as a move takes them from it.
struct MovedEntries {
    RezFolder* source = nullptr;
    std::vector<RezEntry*> entries;
};

// The entries of items (folders among them are left out) by the folder that holds each, the
// folders in the order they first appear, each one's entries in item order.
std::vector<MovedEntries> EntriesByFolder(const std::vector<ArchiveItem>& items);

// The parts of an archive path: separated by '/' or '\', empty parts dropped, so "", "/" and
// "\" name the root.
std::vector<std::string> ArchivePathParts(const std::string& path);

// The folder or entry at path below the root, each part matched without regard to case; a
// folder wins over an entry of the same name. Nothing when no such item exists.
std::optional<ArchiveItem> FindItem(const FolderList& folders, const std::string& path);

// The subfolder of parent named name without regard to case; null when there is none.
RezFolder* FindSubfolder(const RezFolder& parent, const std::string& name);
// The entry of folder named name without regard to case; null when there is none.
RezEntry* FindEntry(RezFolder& folder, const std::string& name);

// A name an item may have: not empty, not "." or "..", without '\' or '/' (each name stands
// for one file or directory below its folder).
bool IsArchiveItemName(const std::string& name);
