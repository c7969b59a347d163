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

void CTarvexDoc::DeleteFolderCommand(RezFolder* folder) {
    folders_.DeleteFolder(folders_.Resolve(folder));
    host_.UpdateAllViews();
    modified_ = true;
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
