#pragma once
// The model side of the editing commands: Delete, Insert Empty Folder, Rename and Move.
#include <optional>
#include <string>
#include <vector>

#include "app/ArchiveItems.h"
#include "archive/RezTree.h"

class CTarvexDoc;

// Why a move or a rename is refused: the folder (its path, the root's name first) already
// holds an item of that kind and name; the name is none an item may have.
std::string NameTakenText(const std::string& name, const std::string& folderPath);
std::string UnfitNameText(const std::string& name);
inline constexpr const char* kMoveIntoItself =
    "A folder cannot be moved into itself or below itself.";

class Editor {
  public:
    explicit Editor(CTarvexDoc& doc) : doc_(doc) {}
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;

    // Deletes folders (with everything below them) and entries of the current folder.
    void DeleteItems(RezFolder* current, const std::vector<RezFolder*>& folders,
                     const std::vector<const RezEntry*>& entries);
    // Deletes a folder and everything below it; the root is emptied instead.
    void DeleteFolder(RezFolder* folder);
    // Moves folders into target, then entries of source to the tail of target's entries.
    // Refused (false, nothing changed) when a folder would go into itself or below itself, an
    // entry is not source's, or an item would meet another of its kind and name in target.
    bool MoveItems(const std::vector<RezFolder*>& folders, RezFolder* source,
                   const std::vector<RezEntry*>& entries, RezFolder* target);
    // The same with entries of several folders, each group from its own (the found rows).
    bool MoveItems(const std::vector<RezFolder*>& folders, std::vector<MovedEntries> groups,
                   RezFolder* target);
    // The name of a moved item that would meet another of its kind and name in target (or
    // that two moved items share): the move is then refused. Nullopt when none would.
    std::optional<std::string> MoveClash(const std::vector<RezFolder*>& folders, RezFolder* source,
                                         const std::vector<RezEntry*>& entries,
                                         RezFolder* target) const;
    std::optional<std::string> MoveClash(const std::vector<RezFolder*>& folders,
                                         std::vector<MovedEntries> groups, RezFolder* target) const;
    // The Delete command once the window has gathered the selection: of the file list (its
    // folder's selected subfolders and entries) or of the folder tree (null: nothing
    // selected; the root is emptied, not removed). Asks first; false when nothing changed.
    bool DeleteListSelection(RezFolder* current, const std::vector<RezFolder*>& folders,
                             const std::vector<const RezEntry*>& entries);
    bool DeleteTreeSelection(RezFolder* selected);
    // Delete on the results of a search: folders and entries of any folder, each entry with
    // the folder that holds it. Asks as for the list's selection.
    bool DeleteFoundItems(const std::vector<ArchiveItem>& items);
    // Insert Empty Folder: "New Folder" below the selected folder, reused when it exists.
    RezFolder* InsertEmptyFolder(RezFolder* selected);
    // Refused (false, nothing changed) for a name that is no archive name (see
    // IsArchiveItemName) or that another folder of the parent, or another entry of the
    // folder, already has without regard to case.
    bool RenameFolder(RezFolder* folder, const std::string& name);
    bool RenameEntry(RezEntry& entry, const std::string& name);
    // Why the folder or the entry cannot take the name, as the user is told; nullopt when it
    // can.
    std::optional<std::string> FolderRenameRefusal(RezFolder* folder,
                                                   const std::string& name) const;
    std::optional<std::string> EntryRenameRefusal(const RezEntry& entry,
                                                  const std::string& name) const;
    // The item at an archive path given in the disk's text (names convert as disk names do);
    // see FindItem.
    std::optional<ArchiveItem> FindItemNamed(const std::string& path) const;
    // The folder that holds the entry; null when it is none of the document's.
    RezFolder* FolderOfEntry(const RezEntry& entry) const;

  private:
    CTarvexDoc& doc_;
};
