#include "app/Editing.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

#include "app/CommandSteps.h"
#include "app/MoveNames.h"
#include "app/TarvexDoc.h"
#include "platform/Format.h"
#include "platform/TextCase.h"

namespace {

bool IsAtOrBelow(const RezFolder* folder, const RezFolder* ancestor) {
    for (const RezFolder* up = folder; up; up = up->parent)
        if (up == ancestor)
            return true;
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

constexpr const char* kDeleteFilesQuestion = "Are you sure you wish to delete the selected files?";

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

void Editor::DeleteItems(RezFolder* current, const std::vector<RezFolder*>& folders,
                         const std::vector<const RezEntry*>& entries) {
    current = doc_.Folders().Resolve(current);
    current->entries.remove_if([&entries](const RezEntry& entry) {
        return std::find(entries.begin(), entries.end(), &entry) != entries.end();
    });
    std::vector<RezFolder*> deleted;
    for (RezFolder* folder : folders) {
        // The list shows the current folder's children; the folder itself stays. A folder
        // below one already deleted went with it.
        if (folder == current ||
            std::any_of(deleted.begin(), deleted.end(),
                        [folder](RezFolder* gone) { return IsAtOrBelow(folder, gone); }))
            continue;
        doc_.Folders().DeleteFolder(folder);
        deleted.push_back(folder);
    }
    doc_.Host().UpdateAllViews();
    doc_.SetModified(true);
}

void Editor::DeleteFolder(RezFolder* folder) {
    doc_.Folders().DeleteFolder(folder);
    doc_.Host().UpdateAllViews();
    doc_.SetModified(true);
}

bool Editor::DeleteListSelection(RezFolder* current, const std::vector<RezFolder*>& folders,
                                 const std::vector<const RezEntry*>& entries) {
    return RunConfirmed(doc_.Host().Prompts(), folders.empty() && entries.empty(),
                        kDeleteFilesQuestion, PromptButtons::OkCancel, [&] {
                            DeleteItems(current, folders, entries);
                            return true;
                        });
}

bool Editor::DeleteFoundItems(const std::vector<ArchiveItem>& items) {
    return RunConfirmed(doc_.Host().Prompts(), items.empty(), kDeleteFilesQuestion,
                        PromptButtons::OkCancel, [&] {
                            // The entries first, each from its own folder, while every folder still
                            // stands.
                            std::vector<RezFolder*> folders;
                            for (const ArchiveItem& item : items)
                                if (const RezEntry* doomed = item.entry)
                                    item.folder->entries.remove_if(
                                        [doomed](const RezEntry& e) { return &e == doomed; });
                                else
                                    folders.push_back(item.folder);
                            DeleteItems(doc_.Root(), folders, {});
                            return true;
                        });
}

bool Editor::DeleteTreeSelection(RezFolder* selected) {
    return RunConfirmed(
        doc_.Host().Prompts(), !selected,
        "Are you sure you wish to delete the selected Folder and all the files there-in?",
        PromptButtons::OkCancel, [&] {
            DeleteFolder(selected);
            return true;
        });
}

RezFolder* Editor::InsertEmptyFolder(RezFolder* selected) {
    RezFolder* folder = doc_.Adding().FindOrCreateSubfolder("New Folder", selected);
    doc_.Host().UpdateAllViews();
    return folder;
}

std::optional<std::string> Editor::FolderRenameRefusal(RezFolder* folder,
                                                       const std::string& name) const {
    folder = doc_.Folders().Resolve(folder);
    if (!IsArchiveItemName(name))
        return UnfitNameText(name);
    if (folder->parent && HasOtherSubfolderNamed(*folder->parent, name, folder))
        return NameTakenText(name, doc_.Folders().FolderPath(folder->parent, true));
    return std::nullopt;
}

std::optional<std::string> Editor::EntryRenameRefusal(const RezEntry& entry,
                                                      const std::string& name) const {
    if (!IsArchiveItemName(name))
        return UnfitNameText(name);
    const RezFolder* folder = FolderOfEntry(entry);
    if (folder && HasOtherEntryNamed(*folder, name, &entry))
        return NameTakenText(name, doc_.Folders().FolderPath(folder, true));
    return std::nullopt;
}

bool Editor::RenameFolder(RezFolder* folder, const std::string& name) {
    if (FolderRenameRefusal(folder, name))
        return false;
    doc_.Folders().RenameItem(doc_.Folders().Resolve(folder), name);
    doc_.SetModified(true);
    return true;
}

bool Editor::RenameEntry(RezEntry& entry, const std::string& name) {
    if (EntryRenameRefusal(entry, name))
        return false;
    FolderList::RenameItem(entry, name);
    doc_.SetModified(true);
    return true;
}

std::optional<ArchiveItem> Editor::FindItemNamed(const std::string& path) const {
    std::string archivePath;
    if (!doc_.Host().Names().ToArchive(path, archivePath))
        return std::nullopt;
    return FindItem(doc_.Folders(), archivePath);
}

RezFolder* Editor::FolderOfEntry(const RezEntry& entry) const {
    RezFolder* found = nullptr;
    doc_.Folders().ForEach([&](RezFolder& folder) {
        for (const RezEntry& candidate : folder.entries)
            if (&candidate == &entry)
                found = &folder;
    });
    return found;
}

bool Editor::MoveItems(const std::vector<RezFolder*>& folders, RezFolder* source,
                       const std::vector<RezEntry*>& entries, RezFolder* target) {
    return MoveItems(folders, {{source, entries}}, target);
}

bool Editor::MoveItems(const std::vector<RezFolder*>& folders, std::vector<MovedEntries> groups,
                       RezFolder* target) {
    target = doc_.Folders().Resolve(target);
    for (RezFolder* folder : folders) {
        // Into itself or below itself the folder list would no longer be a tree.
        if (!folder || !folder->parent || IsAtOrBelow(target, folder))
            return false;
    }
    // Each moved entry's place and folder, so that thousands move in one pass.
    std::unordered_map<const RezEntry*, std::pair<EntryList::iterator, RezFolder*>> places;
    for (MovedEntries& group : groups) {
        group.source = doc_.Folders().Resolve(group.source);
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
        doc_.Folders().MoveFolder(folder, target);
    for (const MovedEntries& group : groups) {
        for (RezEntry* entry : group.entries)
            target->entries.splice(target->entries.end(), group.source->entries,
                                   places.at(entry).first);
    }
    doc_.Host().UpdateAllViews();
    doc_.SetModified(true);
    return true;
}

std::optional<std::string> Editor::MoveClash(const std::vector<RezFolder*>& folders,
                                             RezFolder* source,
                                             const std::vector<RezEntry*>& entries,
                                             RezFolder* target) const {
    return MoveClash(folders, {{source, entries}}, target);
}

std::optional<std::string> Editor::MoveClash(const std::vector<RezFolder*>& folders,
                                             std::vector<MovedEntries> groups,
                                             RezFolder* target) const {
    for (MovedEntries& group : groups)
        group.source = doc_.Folders().Resolve(group.source);
    return MoveNames(folders, groups).ClashIn(*doc_.Folders().Resolve(target));
}
