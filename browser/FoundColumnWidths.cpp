#include "browser/FoundColumnWidths.h"

#include <algorithm>

#include "browser/FileListRows.h"

std::vector<int> FoundColumnWidths(int listWidth) {
    std::vector<int> widths;
    for (const ListColumnFormat& column : kListColumns)
        widths.push_back(column.width);
    widths.push_back(kFolderColumn.width);
    int full = 0;
    for (int width : widths)
        full += width;
    if (listWidth >= full)
        return widths;
    for (int& width : widths)
        width = std::max(kNarrowestFoundColumn, width * std::max(listWidth, 0) / full);
    return widths;
}
