#pragma once
// The folder tree, the left pane: the archive's folders under the root, children in
// alphabetical order. Each item carries its folder and each folder its item; the tree is
// refilled whole from the folder list on every update of the document.
#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>

#include "archive/RezTree.h"
#include "browser/FileTypeIcons.h"
#include "platform/win32/ui/ControlPane.h"

class CLeftView : public ControlPane {
  public:
    CLeftView(FolderList& folders, FileTypeIcons& icons) : folders_(folders), icons_(icons) {}

    bool Create(HWND parent, PaneHost& host) override;
    bool OnNotify(NMHDR& header, LRESULT& result) override;

    HWND Tree() const { return Handle(); }
    // Refills the tree: afterwards only the root is expanded and nothing is selected.
    void RebuildTree();
    // Selects the folder's item; null leaves nothing selected.
    void SelectFolder(RezFolder* folder);
    // The selected item's folder; null when nothing is selected.
    RezFolder* SelectedFolder() const;
    void EditLabel(RezFolder* folder);
    // The folder's name changed elsewhere: its label follows, in its place among its siblings.
    void FolderRenamed(RezFolder* folder);

    // The selection changed, to a folder or to no item (null); not called while refilling.
    std::function<void(RezFolder*)> onSelectionChanged;
    // A label was edited: true when the folder took the new name, false to keep the old one.
    std::function<bool(RezFolder*, const std::string&)> onRename;

  private:
    HWND CreateControl(HWND parent) override;
    HTREEITEM Insert(HTREEITEM parent, RezFolder& folder, const char* imageKey,
                     const char* selectedKey);
    static RezFolder* FolderOfItem(HWND tree, HTREEITEM item);

    FolderList& folders_;
    FileTypeIcons& icons_;
    bool refilling_ = false;
    bool editing_ = false;
};
