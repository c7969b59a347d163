#include "browser/ListLabelEdit.h"

#include "app/TarvexDoc.h"
#include "browser/FileListRows.h"

namespace {

// Tells the user why a name is refused; false when it is not.
bool Refused(CTarvexDoc& doc, const std::optional<std::string>& refusal) {
    if (refusal)
        doc.Host().Prompts().Show(*refusal);
    return refusal.has_value();
}

bool CommitEntryLabel(CTarvexDoc& doc, RezEntry& entry, const std::string& text) {
    return !Refused(doc, doc.Editing().EntryRenameRefusal(entry, text)) &&
           doc.Editing().RenameEntry(entry, text);
}

}  // namespace

bool CommitListLabel(CTarvexDoc& doc, FileListRows& rows, int row,
                     const std::optional<std::string>& text) {
    if (!text)
        return false;
    // The document's rename decides which names an item may take and what type follows.
    const ListItem item = rows.ItemAtRow(row);
    const bool renamed = item.folder  ? CommitFolderLabel(doc, item.folder, text)
                         : item.entry ? CommitEntryLabel(doc, *item.entry, *text)
                                      : false;
    if (renamed)
        rows.RefreshList();
    return renamed;
}

bool CommitFolderLabel(CTarvexDoc& doc, RezFolder* folder, const std::optional<std::string>& text) {
    return text && !Refused(doc, doc.Editing().FolderRenameRefusal(folder, *text)) &&
           doc.Editing().RenameFolder(folder, *text);
}
