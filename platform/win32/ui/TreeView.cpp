#include "platform/win32/ui/TreeView.h"

HTREEITEM TreeView::InsertItem(const TVINSERTSTRUCTA& insert) const {
    return reinterpret_cast<HTREEITEM>(
        SendMessageA(hwnd_, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

LPARAM TreeView::ItemData(HTREEITEM item) const {
    if (item == nullptr)
        return 0;
    TVITEMA data{};
    data.mask = TVIF_PARAM;
    data.hItem = item;
    return GetItem(data) ? data.lParam : 0;
}

void TreeView::SetItem(const TVITEMA& item) const {
    SendMessageA(hwnd_, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

void TreeView::SortChildrenLater(HTREEITEM parent) const {
    PostMessageA(hwnd_, TVM_SORTCHILDREN, FALSE, reinterpret_cast<LPARAM>(parent));
}

HTREEITEM TreeView::HitTest(POINT point) const {
    TVHITTESTINFO hit{};
    hit.pt = point;
    return TreeView_HitTest(hwnd_, &hit);
}
