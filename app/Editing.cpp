// The model side of the editing commands: Delete, Insert Empty Folder and Rename.
#include <algorithm>

#include "app/TarvexDoc.h"

void CTarvexDoc::DeleteItems(RezFolder* current, const std::vector<RezFolder*>& folders,
                             const std::vector<const RezEntry*>& entries) {
    current = folders_.Resolve(current);
    for (RezFolder* folder : folders) {
        // The list shows the current folder's children; the folder itself stays.
        if (folder != current)
            folders_.DeleteFolder(folder);
    }
    current->entries.remove_if([&entries](const RezEntry& entry) {
        return std::find(entries.begin(), entries.end(), &entry) != entries.end();
    });
    host_.UpdateAllViews();
    modified_ = true;
}

bool CTarvexDoc::DeleteListSelection(RezFolder* current, const std::vector<RezFolder*>& folders,
                                     const std::vector<const RezEntry*>& entries) {
    if (folders.empty() && entries.empty()) {
        host_.Prompts().Show(kNoSelection);
        return false;
    }
    if (host_.Prompts().Ask("Are you sure you wish to delete the selected files?",
                            PromptButtons::OkCancel) != PromptAnswer::Ok)
        return false;
    DeleteItems(current, folders, entries);
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
    folders_.DeleteFolder(selected);
    host_.UpdateAllViews();
    modified_ = true;
    return true;
}

RezFolder* CTarvexDoc::InsertEmptyFolder(RezFolder* selected) {
    RezFolder* folder = FindOrCreateSubfolder("New Folder", selected);
    host_.UpdateAllViews();
    return folder;
}

void CTarvexDoc::RenameFolder(RezFolder* folder, const std::string& name) {
    folders_.RenameItem(folder, name);
    modified_ = true;
}

void CTarvexDoc::RenameEntry(RezEntry& entry, const std::string& name) {
    FolderList::RenameItem(entry, name);
    modified_ = true;
}
