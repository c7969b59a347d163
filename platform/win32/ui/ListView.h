#pragma once
// A list view control, one member per message the programs send it, so that the views read
// as what they do. It does not own the control: the control goes with its parent window.
#include <windows.h>

#include <commctrl.h>

#include <vector>

class ListView {
  public:
    ListView() = default;
    explicit ListView(HWND list) : hwnd_(list) {}
    HWND Handle() const { return hwnd_; }
    HWND Header() const { return ListView_GetHeader(hwnd_); }
    // The edit box of the label being edited; null when none is.
    HWND EditControl() const { return ListView_GetEditControl(hwnd_); }

    void SetExtendedStyle(DWORD style) const { ListView_SetExtendedListViewStyle(hwnd_, style); }
    void SetCallbackMask(UINT mask) const { ListView_SetCallbackMask(hwnd_, mask); }
    // which: LVSIL_SMALL or LVSIL_NORMAL.
    void SetImageList(HIMAGELIST images, int which) const {
        ListView_SetImageList(hwnd_, images, which);
    }

    int InsertColumn(int index, const LVCOLUMNA& column) const;
    bool DeleteColumn(int column) const { return ListView_DeleteColumn(hwnd_, column); }
    // Counted by the header, so that it holds for the columns of every view mode.
    int ColumnCount() const { return Header_GetItemCount(Header()); }
    int ColumnWidth(int column) const { return ListView_GetColumnWidth(hwnd_, column); }
    void SetColumnWidth(int column, int width) const {
        ListView_SetColumnWidth(hwnd_, column, width);
    }

    // An owner-data list holds no items, only their count.
    void SetItemCount(int count, DWORD flags) const {
        ListView_SetItemCountEx(hwnd_, count, flags);
    }
    int ItemCount() const { return ListView_GetItemCount(hwnd_); }
    void DeleteAllItems() const { ListView_DeleteAllItems(hwnd_); }

    // The next item after start (-1: from the first) with the flags (LVNI_SELECTED); -1 when
    // there is none.
    int NextItem(int start, UINT flags) const { return ListView_GetNextItem(hwnd_, start, flags); }
    std::vector<int> SelectedItems() const;
    int SelectedCount() const { return static_cast<int>(ListView_GetSelectedCount(hwnd_)); }
    // item -1: every item.
    void SetItemState(int item, UINT state, UINT mask) const {
        ListView_SetItemState(hwnd_, item, state, mask);
    }
    void SetSelectionMark(int item) const { ListView_SetSelectionMark(hwnd_, item); }

    void EnsureVisible(int item, bool partlyIsEnough) const {
        ListView_EnsureVisible(hwnd_, item, partlyIsEnough);
    }
    void EditLabel(int item) const;
    void RedrawItems(int first, int last) const { ListView_RedrawItems(hwnd_, first, last); }

    // The item at a point in client coordinates; -1 for none.
    int HitTest(POINT point) const;
    // Fills in the item and subitem at hit.pt.
    void SubItemHitTest(LVHITTESTINFO& hit) const { ListView_SubItemHitTest(hwnd_, &hit); }
    // part: LVIR_LABEL, LVIR_BOUNDS...
    RECT SubItemRect(int item, int subItem, int part) const;
    POINT Origin() const;
    // The icon grid's cell: the width in the low word, the height in the high word.
    DWORD ItemSpacing(bool smallIcons) const { return ListView_GetItemSpacing(hwnd_, smallIcons); }

  private:
    HWND hwnd_ = nullptr;
};
