#pragma once
// The rows of the file list: the shown folder's subfolders, then its entries (entries first
// when descending), kept as a vector so that a painted row costs no walk of the entry list.
// Sorting rewrites the order of the folder's subfolder list and entry list themselves; the
// entry order is what a later save writes.
//
// The rows point into the archive tree: call RefreshList after every change of the model.
//
// Instead of a folder the rows may show the results of a search: every folder and entry of
// the archive a pattern matches, with a Folder column naming the folder that holds each.
#include <string>
#include <vector>

#include "app/ArchiveItems.h"
#include "app/MovePayload.h"
#include "app/StatusTotals.h"
#include "archive/RezTree.h"
#include "platform/NameCollation.h"

enum class ListColumn { Name = 0, Size = 1, Type = 2, Modified = 3, Folder = 4 };
inline constexpr int kListColumnCount = 4;
// The results of a search add the Folder column.
inline constexpr int kFoundColumnCount = 5;
inline constexpr int kNoSortColumn = -1;

// The report view's columns, in index order.
struct ListColumnFormat {
    const char* title;
    bool alignRight;
    int width;  // pixels
};
inline constexpr ListColumnFormat kListColumns[kListColumnCount] = {
    {"Name", false, 150}, {"Size", true, 60}, {"Type", false, 80}, {"Modified", false, 150}};
inline constexpr ListColumnFormat kFolderColumn = {"Folder", false, 200};

// What one row shows: a subfolder or an entry of the shown folder; both null for a row
// outside the list.
struct ListItem {
    RezFolder* folder = nullptr;
    RezEntry* entry = nullptr;
};

// The selected rows split by their Type text, each in row order.
struct ListSelection {
    std::vector<RezFolder*> folders;
    std::vector<const RezEntry*> entries;
    RezFolder* source = nullptr;  // the folder that holds the entries
};

enum class DoubleClickAction {
    None,
    OpenFolder,  // select the folder in the tree (recorded) and deselect the row
    Extract,
};

struct DoubleClick {
    DoubleClickAction action = DoubleClickAction::None;
    RezFolder* folder = nullptr;
};

class FileListRows {
  public:
    explicit FileListRows(const NameCollation& collation = PlatformNameCollation());

    // Shows the folder's contents sorted; null shows no rows.
    void ShowFolder(RezFolder* folder);
    // Sorts and lists the shown folder again (Refresh, view updates, after renames and drops);
    // the results of a search are searched for again.
    void RefreshList();
    // Null while the results are shown.
    RezFolder* ShownFolder() const { return shown_; }

    // Shows every folder and entry of folders that a pattern matches (see FindItems), sorted
    // like a folder's rows but leaving the archive's order as it is. ShowFolder leaves them.
    void ShowFound(const FolderList& folders, std::vector<std::string> patterns);
    bool ShowsFound() const { return foundIn_ != nullptr; }
    const std::vector<std::string>& FoundPatterns() const { return patterns_; }
    int ColumnCount() const { return ShowsFound() ? kFoundColumnCount : kListColumnCount; }
    // The folder that holds the row's item; null outside the list.
    RezFolder* HolderAtRow(int row) const;
    // The selected rows as items, a folder alone or an entry with the folder that holds it.
    std::vector<ArchiveItem> SelectedItems(const std::vector<int>& selectedRows) const;

    int RowCount() const { return static_cast<int>(rows_.size()); }
    ListItem ItemAtRow(int row) const;
    std::string Text(int row, ListColumn column) const;
    // A row whose Type text is exactly "Folder" is a folder row, even when it shows an entry
    // whose type name happens to read so.
    bool IsFolderRow(int row) const;
    // "." for a subfolder, the entry's key for an entry; empty outside the list.
    std::string IconKey(int row) const;

    int SortColumn() const { return sortColumn_; }
    bool SortAscending() const { return ascending_; }
    // Sets the header's sort column and direction without sorting; returns the previous column.
    int SetSortColumn(int column, bool ascending);
    // A click on the sort column reverses the direction, a click on another keeps it; the
    // rows are sorted again.
    void ClickColumn(int column);

    // The selected rows (in row order) as folders and entries. A folder row that shows no
    // folder (an entry typed "Folder") is in neither: nothing is done to it as a folder.
    ListSelection SplitSelection(const std::vector<int>& selectedRows) const;
    // What Copy, Cut and a drag carry: the selected folders, and the selected entries by the
    // folder that holds each, the source first (of the results, the first entry's folder).
    PayloadItems MovableSelection(const std::vector<int>& selectedRows) const;
    // Pane 105's count and kilobytes, from the Size texts of the selected rows.
    SelectedTotals SelectionTotals(const std::vector<int>& selectedRows) const;
    // What a double click on the first selected row (-1 for none) does. Of the results, any
    // row opens the folder that holds it, and so does Enter (EnterOpensFolder).
    DoubleClick DoubleClickOn(int firstSelectedRow) const;
    bool EnterOpensFolder() const { return ShowsFound(); }

    // The folder a drag over this row would drop into: a folder row's folder, else null (the
    // drop row is then -1).
    RezFolder* DropFolderAt(int row) const;
    // Where a drop lands: the drop row's folder, or the shown folder when there is none.
    RezFolder* DropTarget(int dropRow) const;
    // The results hold no folder of their own: only their folder rows take drops.
    bool TakesDropOn(int dropRow) const { return !ShowsFound() || DropFolderAt(dropRow); }

  private:
    // Sorts the shown folder's two lists; returns its entries in their new order.
    std::vector<RezEntry*> SortRows();
    void SortSubfolders(std::vector<RezFolder*>& subfolders) const;
    std::vector<RezEntry*> SortEntries(EntryList& entries) const;
    void BuildRows(const std::vector<RezEntry*>& entries);
    void BuildFoundRows();
    // Sorts found folders (folders set) or found entries without touching the archive.
    void SortFound(std::vector<ArchiveItem>& items, bool folders) const;
    RezFolder* FolderOfFolderRow(int row) const;

    const NameCollation& collation_;
    RezFolder* shown_ = nullptr;
    int sortColumn_ = kNoSortColumn;
    bool ascending_ = true;
    std::vector<ListItem> rows_;
    // The results: the archive searched (null while a folder is shown), the patterns, and the
    // folder holding each row's item.
    const FolderList* foundIn_ = nullptr;
    std::vector<std::string> patterns_;
    std::vector<RezFolder*> holders_;
};
