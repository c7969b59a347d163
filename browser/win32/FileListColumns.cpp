#include "browser/win32/FileListColumns.h"

#include "browser/FileListRows.h"
#include "browser/FoundColumnWidths.h"

namespace {

void InsertColumn(const ListView& list, int index, const ListColumnFormat& format) {
    LVCOLUMNA column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = format.alignRight ? LVCFMT_RIGHT : LVCFMT_LEFT;
    column.cx = format.width;
    column.pszText = const_cast<char*>(format.title);
    column.iSubItem = index;
    list.InsertColumn(index, column);
}

void SetColumnWidths(const ListView& list, const std::vector<int>& widths) {
    for (std::size_t index = 0; index < widths.size(); ++index)
        list.SetColumnWidth(static_cast<int>(index), widths[index]);
}

}  // namespace

void FileListColumns::Insert(const ListView& list) const {
    for (int index = 0; index < kListColumnCount; ++index)
        InsertColumn(list, index, kListColumns[index]);
}

bool FileListColumns::Match(const ListView& list, bool found) {
    if ((list.ColumnCount() > kListColumnCount) == found)
        return false;
    if (found) {
        folderWidths_.clear();
        for (int index = 0; index < kListColumnCount; ++index)
            folderWidths_.push_back(list.ColumnWidth(index));
        InsertColumn(list, static_cast<int>(ListColumn::Folder), kFolderColumn);
        // Room for a scroll bar, which thousands of results bring.
        RECT client{};
        GetClientRect(list.Handle(), &client);
        SetColumnWidths(list, FoundColumnWidths(client.right - GetSystemMetrics(SM_CXVSCROLL)));
    } else {
        list.DeleteColumn(static_cast<int>(ListColumn::Folder));
        SetColumnWidths(list, folderWidths_);
    }
    return true;
}
