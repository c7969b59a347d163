#pragma once
// A tree view control, one member per message the programs send it, so that the views read
// as what they do. It does not own the control: the control goes with its parent window.
#include <windows.h>

#include <commctrl.h>

class TreeView {
  public:
    TreeView() = default;
    explicit TreeView(HWND tree) : hwnd_(tree) {}
    HWND Handle() const { return hwnd_; }

    void SetImageList(HIMAGELIST images) const {
        TreeView_SetImageList(hwnd_, images, TVSIL_NORMAL);
    }

    HTREEITEM InsertItem(const TVINSERTSTRUCTA& insert) const;
    void DeleteAllItems() const { TreeView_DeleteAllItems(hwnd_); }
    // Fills in what item.mask asks for of item.hItem; false when there is no such item.
    bool GetItem(TVITEMA& item) const { return TreeView_GetItem(hwnd_, &item); }
    // The lParam the item was inserted with; 0 for no item.
    LPARAM ItemData(HTREEITEM item) const;
    void SetItem(const TVITEMA& item) const;
    HTREEITEM Parent(HTREEITEM item) const { return TreeView_GetParent(hwnd_, item); }

    // In alphabetical order, the children only.
    void SortChildren(HTREEITEM parent) const { TreeView_SortChildren(hwnd_, parent, FALSE); }
    // The same, once the message being answered has returned.
    void SortChildrenLater(HTREEITEM parent) const;
    void Expand(HTREEITEM item) const { TreeView_Expand(hwnd_, item, TVE_EXPAND); }

    // Null selects nothing.
    void Select(HTREEITEM item) const { TreeView_SelectItem(hwnd_, item); }
    HTREEITEM Selection() const { return TreeView_GetSelection(hwnd_); }
    void EnsureVisible(HTREEITEM item) const { TreeView_EnsureVisible(hwnd_, item); }
    void EditLabel(HTREEITEM item) const { TreeView_EditLabel(hwnd_, item); }

    // The item at a point in client coordinates; null for none.
    HTREEITEM HitTest(POINT point) const;
    // Null removes the drop highlight.
    void SetDropHighlight(HTREEITEM item) const { TreeView_SelectDropTarget(hwnd_, item); }
    HTREEITEM DropHighlight() const { return TreeView_GetDropHilight(hwnd_); }

  private:
    HWND hwnd_ = nullptr;
};
