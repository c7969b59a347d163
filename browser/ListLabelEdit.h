#pragma once
// The end of an in-place rename in the file list.
#include <optional>
#include <string>

class CTarvexDoc;
class FileListRows;

// Renames what the row shows; nullopt is a cancelled edit and changes nothing. A folder row
// renames its folder, an entry row its entry, whose type code and shell type name then follow
// the new name. Marks the document modified and lists the folder again; false when nothing
// was renamed.
bool CommitListLabel(CTarvexDoc& doc, FileListRows& rows, int row,
                     const std::optional<std::string>& text);
