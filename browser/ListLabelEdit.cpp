#include "browser/ListLabelEdit.h"

#include "app/TarvexDoc.h"
#include "browser/FileListRows.h"

bool CommitListLabel(CTarvexDoc& doc, FileListRows& rows, int row,
                     const std::optional<std::string>& text) {
    if (!text)
        return false;
    // The document's rename decides which names an item may take and what type follows.
    const ListItem item = rows.ItemAtRow(row);
    const bool renamed = item.folder  ? doc.RenameFolder(item.folder, *text)
                         : item.entry ? doc.RenameEntry(*item.entry, *text)
                                      : false;
    if (renamed)
        rows.RefreshList();
    return renamed;
}
