#pragma once
// The folder tree, the left pane: the archive's folders under the root, children in
// alphabetical order. Each item carries its folder and each folder its item; the tree is
// refilled whole from the folder list on every update of the document. Folders are dragged
// from it, and archive items and shell files dropped or pasted into it.
#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "archive/RezTree.h"
#include "browser/FileTypeIcons.h"
#include "browser/PaneDrops.h"
#include "browser/win32/FileTypeImageLists.h"
#include "browser/win32/transfer/PaneDropEvents.h"
#include "platform/win32/ui/ControlPane.h"
#include "platform/win32/ui/Subclass.h"
#include "platform/win32/ui/TreeView.h"

class CTarvexDoc;

// What the folder tree asks of the window that holds it: all it knows of the outside.
class FolderTreeHost : public PaneHost {
  public:
    virtual CTarvexDoc& Document() = 0;
    // The selection changed, to a folder or to no item (null); not called while refilling.
    virtual void TreeSelectionChanged(RezFolder* folder) = 0;
    // A label was edited: true when the folder took the new name, false to keep the old one.
    virtual bool RenameFolder(RezFolder* folder, const std::string& name) = 0;

  protected:
    ~FolderTreeHost() = default;
};

class CLeftView : public ControlPane, public TreeDropView {
  public:
    CLeftView(FolderTreeHost& host, FileTypeIcons& icons, const FileTypeImageLists& images);

    // The tree's host stands for the window in everything, the pane's calls included.
    bool Create(HWND parent, PaneHost& window) override;
    bool OnNotify(NMHDR& header, LRESULT& result) override;

    HWND Tree() const { return Handle(); }
    // Refills the tree: afterwards only the root is expanded and nothing is selected.
    void RebuildTree();
    // Selects the folder's item; null leaves nothing selected.
    void SelectFolder(RezFolder* folder);
    // The selected item's folder; null when nothing is selected.
    RezFolder* SelectedFolder() const;
    // False when the tree is no drop target (OLE refused it).
    bool IsDropTarget() const { return dropTarget_ && dropTarget_->Registered(); }
    // What OLE calls on the pane during a drag.
    DropTargetEvents& DropEvents() { return dropEvents_; }
    void EditLabel(RezFolder* folder);
    // The folder's name changed elsewhere: its label follows, in its place among its siblings.
    void FolderRenamed(RezFolder* folder);

    // Copy and Cut: the selected folder's move payload on the clipboard. Nothing leaves the
    // archive until it is pasted.
    void CopyFolderPayload();
    // Paste: the clipboard's move payload (used up, so a second Paste finds nothing), else
    // its shell files, into the selected folder.
    void Paste();
    // A drop on a folder row of the list lands here, in the folder highlighted for it.
    bool AddDroppedPaths(const std::vector<std::string>& paths);

    // TreeDropView
    RezFolder* FolderAt(DropPoint point) override;
    void HighlightDropFolder(RezFolder* folder) override;
    RezFolder* DropHighlightFolder() override;
    RezFolder* SelectedFolder() override { return std::as_const(*this).SelectedFolder(); }
    std::uintptr_t OwnerWindow() override;

  private:
    HWND CreateControl(HWND parent) override;
    HTREEITEM Insert(HTREEITEM parent, RezFolder& folder, const char* imageKey,
                     const char* selectedKey);
    TreeView Control() const { return TreeView(Handle()); }
    RezFolder* FolderOfItem(HTREEITEM item) const;
    bool OnTreeMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void BeginDrag(const NMTREEVIEWA& drag);

    FolderTreeHost& host_;
    FileTypeIcons& icons_;
    const FileTypeImageLists& images_;
    FolderTreeDrops drops_;
    TreeDropEvents dropEvents_{drops_};
    std::unique_ptr<DropTargetRegistration> dropTarget_;
    Subclass treeHook_;
    // The drag the tree asked for, started once its notification has returned.
    struct PendingDrag {
        std::vector<std::uint8_t> payload;
        POINT at{};
    };
    std::unique_ptr<PendingDrag> pendingDrag_;
    bool refilling_ = false;
    bool editing_ = false;
};
