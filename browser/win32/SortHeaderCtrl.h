#pragma once
// The file list's header, drawn by us: every column's title, and on the sort column an
// outlined arrow pointing up (ascending) or down (descending). Its items are owner-drawn, so
// the list hands the header's WM_DRAWITEM to DrawItem.
#include <windows.h>

class CSortHeaderCtrl {
  public:
    // Takes over the list's header; its items become owner-drawn.
    void Attach(HWND header);
    HWND Handle() const { return header_; }

    // Stores the sort column and direction and repaints; returns the previous column.
    int SetSortColumn(int column, bool ascending);
    int SortColumn() const { return column_; }
    bool SortAscending() const { return ascending_; }

    // False when the item is not one of this header's.
    bool DrawItem(const DRAWITEMSTRUCT& item) const;

  private:
    void MakeOwnerDrawn(int column) const;

    HWND header_ = nullptr;
    int column_ = -1;
    bool ascending_ = true;
};
