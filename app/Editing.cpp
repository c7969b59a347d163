// The model side of the editing commands: Delete, Insert Empty Folder, Rename and Move.
#include <algorithm>
#include <unordered_map>
#include <utility>

#include "app/MoveNames.h"
#include "app/TarvexDoc.h"
#include "platform/Format.h"
#include "platform/TextCase.h"

namespace {

bool IsAtOrBelow(const RezFolder* folder, const RezFolder* ancestor) {
    for (const RezFolder* up = folder; up; up = up->parent) {
        if (up == ancestor)
            return true;
    }
    return false;
}

// Another subfolder of parent than except with that name, without regard to case.
bool HasOtherSubfolderNamed(const RezFolder& parent, const std::string& name,
                            const RezFolder* except) {
    return std::any_of(parent.subfolders.begin(), parent.subfolders.end(), [&](RezFolder* sub) {
        return sub != except && EqualNoCase(sub->name, name);
    });
}

bool HasOtherEntryNamed(const RezFolder& folder, const std::string& name, const RezEntry* except) {
    return std::any_of(folder.entries.begin(), folder.entries.end(), [&](const RezEntry& entry) {
        return &entry != except && EqualNoCase(ItemNameOf(entry), name);
    });
}

}  // namespace

std::string NameTakenText(const std::string& name, const std::string& folderPath) {
    return Format("An item named %s already exists in %s.", name.c_str(), folderPath.c_str());
}

std::string UnfitNameText(const std::string& name) {
    return Format(
        "An item cannot be named \"%s\": a name must not be empty, \".\" or \"..\", "
        "nor hold \\ or /.",
        name.c_str());
}

void CTarvexDoc::DeleteItems(RezFolder* current, const std::vector<RezFolder*>& folders,
                             const std::vector<const RezEntry*>& entries) {
    current = folders_.Resolve(current);
    current->entries.remove_if([&entries](const RezEntry& entry) {
        return std::find(entries.begin(), entries.end(), &entry) != entries.end();
    });
    std::vector<RezFolder*> deleted;
    for (RezFolder* folder : folders) {
        // The list shows the current folder's children; the folder itself stays. A folder
        // below one already deleted went with it.
        if (folder == current ||
            std::any_of(deleted.begin(), deleted.end(),
                        [folder](RezFolder* gone) { return IsAtOrBelow(folder, gone); })) {
            continue;
        }
        folders_.DeleteFolder(folder);
        deleted.push_back(folder);
    }
    host_.UpdateAllViews();
    modified_ = true;
}

void CTarvexDoc::DeleteFolder(RezFolder* folder) {
    folders_.DeleteFolder(folder);
    host_.UpdateAllViews();
    modified_ = true;
}

bool CTarvexDoc::ConfirmListDelete(bool nothingSelected) {
    if (nothingSelected) {
        host_.Prompts().Show(kNoSelection);
        return false;
    }
    return host_.Prompts().Ask("Are you sure you wish to delete the selected files?",
                               PromptButtons::OkCancel) == PromptAnswer::Ok;
}

bool CTarvexDoc::DeleteListSelection(RezFolder* current, const std::vector<RezFolder*>& folders,
                                     const std::vector<const RezEntry*>& entries) {
    if (!ConfirmListDelete(folders.empty() && entries.empty()))
        return false;
    DeleteItems(current, folders, entries);
    return true;
}

bool CTarvexDoc::DeleteFoundItems(const std::vector<ArchiveItem>& items) {
    if (!ConfirmListDelete(items.empty()))
        return false;
    // The entries first, each from its own folder, while every folder still stands.
    std::vector<RezFolder*> folders;
    for (const ArchiveItem& item : items) {
        if (const RezEntry* doomed = item.entry)
            item.folder->entries.remove_if([doomed](const RezEntry& e) { return &e == doomed; });
        else
            folders.push_back(item.folder);
    }
    DeleteItems(Root(), folders, {});
    return true;
}

bool CTarvexDoc::DeleteTreeSelection(RezFolder* selected) {
    if (!selected) {
        host_.Prompts().Show(kNoSelection);
        return false;
    }
    if (host_.Prompts().Ask(
            "Are you sure you wish to delete the selected Folder and all the files there-in?",
            PromptButtons::OkCancel) != PromptAnswer::Ok)
        return false;
    DeleteFolder(selected);
    return true;
}

RezFolder* CTarvexDoc::InsertEmptyFolder(RezFolder* selected) {
    RezFolder* folder = FindOrCreateSubfolder("New Folder", selected);
    host_.UpdateAllViews();
    return folder;
}

std::optional<std::string> CTarvexDoc::FolderRenameRefusal(RezFolder* folder,
                                                           const std::string& name) const {
    folder = folders_.Resolve(folder);
    if (!IsArchiveItemName(name))
        return UnfitNameText(name);
    if (folder->parent && HasOtherSubfolderNamed(*folder->parent, name, folder))
        return NameTakenText(name, folders_.FolderPath(folder->parent, true));
    return std::nullopt;
}

std::optional<std::string> CTarvexDoc::EntryRenameRefusal(const RezEntry& entry,
                                                          const std::string& name) const {
    if (!IsArchiveItemName(name))
        return UnfitNameText(name);
    const RezFolder* folder = FolderOfEntry(entry);
    if (folder && HasOtherEntryNamed(*folder, name, &entry))
        return NameTakenText(name, folders_.FolderPath(folder, true));
    return std::nullopt;
}

bool CTarvexDoc::RenameFolder(RezFolder* folder, const std::string& name) {
    if (FolderRenameRefusal(folder, name))
        return false;
    folders_.RenameItem(folders_.Resolve(folder), name);
    modified_ = true;
    return true;
}

bool CTarvexDoc::RenameEntry(RezEntry& entry, const std::string& name) {
    if (EntryRenameRefusal(entry, name))
        return false;
    FolderList::RenameItem(entry, name);
    modified_ = true;
    return true;
}

std::optional<ArchiveItem> CTarvexDoc::FindItemNamed(const std::string& path) const {
    std::string archivePath;
    if (!host_.Names().ToArchive(path, archivePath))
        return std::nullopt;
    return FindItem(folders_, archivePath);
}

RezFolder* CTarvexDoc::FolderOfEntry(const RezEntry& entry) const {
    RezFolder* found = nullptr;
    folders_.ForEach([&](RezFolder& folder) {
        for (const RezEntry& candidate : folder.entries) {
            if (&candidate == &entry)
                found = &folder;
        }
    });
    return found;
}

bool CTarvexDoc::MoveItems(const std::vector<RezFolder*>& folders, RezFolder* source,
                           const std::vector<RezEntry*>& entries, RezFolder* target) {
    return MoveItems(folders, {{source, entries}}, target);
}

bool CTarvexDoc::MoveItems(const std::vector<RezFolder*>& folders, std::vector<MovedEntries> groups,
                           RezFolder* target) {
    target = folders_.Resolve(target);
    for (RezFolder* folder : folders) {
        // Into itself or below itself the folder list would no longer be a tree.
        if (!folder || !folder->parent || IsAtOrBelow(target, folder))
            return false;
    }
    // Each moved entry's place and folder, so that thousands move in one pass.
    std::unordered_map<const RezEntry*, std::pair<EntryList::iterator, RezFolder*>> places;
    for (MovedEntries& group : groups) {
        group.source = folders_.Resolve(group.source);
        for (auto at = group.source->entries.begin(); at != group.source->entries.end(); ++at)
            places.emplace(&*at, std::pair{at, group.source});
    }
    for (const MovedEntries& group : groups) {
        for (const RezEntry* entry : group.entries) {
            const auto place = places.find(entry);
            if (!entry || place == places.end() || place->second.second != group.source)
                return false;
        }
    }
    if (MoveClash(folders, groups, target))
        return false;
    for (RezFolder* folder : folders)
        folders_.MoveFolder(folder, target);
    for (const MovedEntries& group : groups) {
        for (RezEntry* entry : group.entries)
            target->entries.splice(target->entries.end(), group.source->entries,
                                   places.at(entry).first);
    }
    host_.UpdateAllViews();
    modified_ = true;
    return true;
}

std::optional<std::string> CTarvexDoc::MoveClash(const std::vector<RezFolder*>& folders,
                                                 RezFolder* source,
                                                 const std::vector<RezEntry*>& entries,
                                                 RezFolder* target) const {
    return MoveClash(folders, {{source, entries}}, target);
}

std::optional<std::string> CTarvexDoc::MoveClash(const std::vector<RezFolder*>& folders,
                                                 std::vector<MovedEntries> groups,
                                                 RezFolder* target) const {
    for (MovedEntries& group : groups)
        group.source = folders_.Resolve(group.source);
    return MoveNames(folders, groups).ClashIn(*folders_.Resolve(target));
}
