#include "platform/win32/ui/ListView.h"

int ListView::InsertColumn(int index, const LVCOLUMNA& column) const {
    return static_cast<int>(
        SendMessageA(hwnd_, LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(&column)));
}

std::vector<int> ListView::SelectedItems() const {
    std::vector<int> items;
    for (int item = NextItem(-1, LVNI_SELECTED); item >= 0; item = NextItem(item, LVNI_SELECTED))
        items.push_back(item);
    return items;
}

void ListView::EditLabel(int item) const {
    SendMessageA(hwnd_, LVM_EDITLABELA, item, 0);
}

int ListView::HitTest(POINT point) const {
    LVHITTESTINFO hit{};
    hit.pt = point;
    return ListView_HitTest(hwnd_, &hit);
}

RECT ListView::SubItemRect(int item, int subItem, int part) const {
    RECT rect{};
    ListView_GetSubItemRect(hwnd_, item, subItem, part, &rect);
    return rect;
}

POINT ListView::Origin() const {
    POINT origin{};
    ListView_GetOrigin(hwnd_, &origin);
    return origin;
}
