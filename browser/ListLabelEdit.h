#pragma once
// The end of an in-place rename in the file list or the folder tree. Both tell the user why a
// name is refused; the old name stays.
#include <optional>
#include <string>

#include "archive/RezTree.h"

class CTarvexDoc;
class FileListRows;

// Renames what the row shows; nullopt is a cancelled edit and changes nothing. A folder row
// renames its folder, an entry row its entry, whose type then follows the new name. Marks the
// document modified and lists the folder again; false when nothing was renamed (a cancelled
// edit, a stale row, or a name the document refuses).
bool CommitListLabel(CTarvexDoc& doc, FileListRows& rows, int row,
                     const std::optional<std::string>& text);
// The same for a folder of the tree.
bool CommitFolderLabel(CTarvexDoc& doc, RezFolder* folder, const std::optional<std::string>& text);
