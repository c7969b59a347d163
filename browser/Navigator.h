#pragma once
// The main window's navigation: the history, the location combo box's items, Back, Forward,
// Up One Level, the Go To items and typed paths. It decides; the window carries out through
// NavigationHost.
#include <string>
#include <vector>

#include "archive/RezTree.h"
#include "browser/FileTypeIcons.h"
#include "browser/NavigationHistory.h"

// One item of the location combo box.
struct LocationItem {
    std::string text;  // a folder path with the root's name
    int image = 0;
    int selectedImage = 0;
    RezFolder* folder = nullptr;
};

class NavigationHost {
  public:
    virtual ~NavigationHost() = default;
    // Selects the folder's item in the folder tree (null: the tree's root marker). A folder
    // given here is always one of the folder list.
    virtual void SelectTreeFolder(RezFolder* folder) = 0;
    virtual void AppendLocationItem(const LocationItem& item) = 0;
    virtual void SelectLocationItem(int index) = 0;
    // Removes every item and empties the edit field.
    virtual void ClearLocationItems() = 0;
};

class Navigator {
  public:
    Navigator(const FolderList& folders, FileTypeIcons& icons, NavigationHost& host);

    // Selects a folder in the tree; its selection change is recorded unless record is false.
    // Every selection the program makes goes through here.
    void SelectFolder(RezFolder* folder, bool record);
    // The tree's selection changed (folder null: to no item). Records a visit of the folder's
    // path, unless the selection was made with the record flag off: that change only turns
    // the flag back on. A selection that changed nothing leaves the flag off.
    void TreeSelectionChanged(RezFolder* folder);
    // A new visit, and the combo's item of that path selected, appended first when there is
    // none.
    void RecordVisit(RezFolder* folder, const std::string& path);
    // Selects the folder the path names (with the root's name); false, and nothing changes,
    // when it names none.
    bool NavigateToPath(const std::string& path, bool record);
    void Back();
    void Forward();
    // Selects the parent of the tree's selected folder, recorded.
    void UpOneLevel(RezFolder* selected);
    // A history item of the Go To menu, by its index in the menu.
    void ChooseGoToItem(int index);
    // The combo box's selection changed to the item at index.
    void ChooseLocationItem(int index);
    // A new or opened archive: no visits, no combo items.
    void Clear();

    const NavigationHistory& History() const { return history_; }
    const std::vector<LocationItem>& LocationItems() const { return items_; }

  private:
    void ShowVisit(const Visit* visit);
    int ItemIndexOf(const std::string& text) const;
    bool IsFolderOfList(const RezFolder* folder) const;

    const FolderList& folders_;
    FileTypeIcons& icons_;
    NavigationHost& host_;
    NavigationHistory history_;
    std::vector<LocationItem> items_;
    bool record_ = true;
};
