#include "browser/win32/SortHeaderCtrl.h"

#include <commctrl.h>

#include <vector>

#include "browser/SortHeaderLayout.h"
#include "platform/win32/Scoped.h"

namespace {

RECT ToRect(const HeaderRect& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

void DrawLine(HDC dc, const std::vector<HeaderPoint>& points, int colour) {
    if (points.empty())
        return;
    ScopedPen pen(CreatePen(PS_SOLID, 1, GetSysColor(colour)));
    SelectedObject selected(dc, pen.Get());
    MoveToEx(dc, points.front().x, points.front().y, nullptr);
    for (size_t i = 1; i < points.size(); ++i)
        LineTo(dc, points[i].x, points[i].y);
}

UINT TextAlignment(int format) {
    switch (format & HDF_JUSTIFYMASK) {
        case HDF_RIGHT:
            return DT_RIGHT;
        case HDF_CENTER:
            return DT_CENTER;
        default:
            return DT_LEFT;
    }
}

}  // namespace

void CSortHeaderCtrl::Attach(HWND header) {
    header_ = header;
    const int count = Header_GetItemCount(header_);
    for (int column = 0; column < count; ++column)
        MakeOwnerDrawn(column);
}

void CSortHeaderCtrl::MakeOwnerDrawn(int column) const {
    HDITEMA item{};
    item.mask = HDI_FORMAT;
    SendMessageA(header_, HDM_GETITEMA, column, reinterpret_cast<LPARAM>(&item));
    item.fmt |= HDF_OWNERDRAW;
    SendMessageA(header_, HDM_SETITEMA, column, reinterpret_cast<LPARAM>(&item));
}

int CSortHeaderCtrl::SetSortColumn(int column, bool ascending) {
    const int previous = column_;
    column_ = column;
    ascending_ = ascending;
    if (column >= 0)
        MakeOwnerDrawn(column);
    InvalidateRect(header_, nullptr, TRUE);
    return previous;
}

bool CSortHeaderCtrl::DrawItem(const DRAWITEMSTRUCT& draw) const {
    if (draw.CtlType != ODT_HEADER || draw.hwndItem != header_)
        return false;
    HDC dc = draw.hDC;
    const RECT& rect = draw.rcItem;
    const bool pressed = (draw.itemState & ODS_SELECTED) != 0;
    FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
    // The item's own button edge, which the fill above covers.
    RECT edge = rect;
    DrawEdge(dc, &edge, pressed ? BDR_SUNKENOUTER : EDGE_RAISED, BF_RECT | BF_SOFT);

    char title[256] = "";
    HDITEMA item{};
    item.mask = HDI_FORMAT | HDI_TEXT;
    item.pszText = title;
    item.cchTextMax = sizeof(title);
    SendMessageA(header_, HDM_GETITEMA, draw.itemID, reinterpret_cast<LPARAM>(&item));

    SIZE space{};
    GetTextExtentPoint32A(dc, " ", 1, &space);
    const bool sortColumn = static_cast<int>(draw.itemID) == column_;
    const HeaderItemLayout layout = LayoutHeaderItem({rect.left, rect.top, rect.right, rect.bottom},
                                                     space.cx, sortColumn, ascending_, pressed);
    if (layout.drawText) {
        RECT text = ToRect(layout.text);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        DrawTextA(
            dc, title, -1, &text,
            TextAlignment(item.fmt) | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    }
    DrawLine(dc, layout.highlight, COLOR_BTNHIGHLIGHT);
    DrawLine(dc, layout.shadow, COLOR_BTNSHADOW);
    return true;
}
