#include "browser/ListLabelEdit.h"

#include "app/TarvexDoc.h"
#include "browser/FileListRows.h"
#include "browser/ListTexts.h"
#include "platform/ShellTypeName.h"

namespace {

constexpr size_t kLongestTypeCode = 4;

}  // namespace

bool CommitListLabel(CTarvexDoc& doc, FileListRows& rows, int row,
                     const std::optional<std::string>& text) {
    if (!text)
        return false;
    const ListItem item = rows.ItemAtRow(row);
    if (item.folder) {
        doc.RenameFolder(item.folder, *text);
    } else if (item.entry) {
        doc.RenameEntry(*item.entry, *text);
        // An entry typed "Folder" counts as a folder row: like a folder, only its name changes.
        if (!rows.IsFolderRow(row)) {
            const std::string_view extension = NameExtension(*text);
            item.entry->typeCode =
                extension.size() <= kLongestTypeCode ? std::string(extension) : std::string();
            item.entry->typeName = ShellTypeName(*text);
        }
    } else {
        return false;
    }
    rows.RefreshList();
    return true;
}
