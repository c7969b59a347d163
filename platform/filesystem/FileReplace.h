#pragma once
// File-system steps of a safe save: a fresh temporary file beside the target, then one
// replacing move, so the target is at every moment either the old or the new file.
#include <string>

#include "platform/filesystem/BinaryFile.h"

// The file a save of path replaces: path itself, or the file a symbolic link at path finally
// names, so that the link stays a link.
std::string ReplacedFilePath(const std::string& path);

// Creates the temporary file for a save of target, exclusively, beside the file it will
// replace, and opens it in file. Temporary files that killed saves of target left behind are
// removed first; one that a live save is still writing is left alone. False when no file
// could be created.
bool CreateTemporaryBeside(const std::string& target, BinaryFile& file, std::string& path);

// Moves source over the file that target names, replacing it (through a link, its final
// file). The replaced file's permissions are kept where the platform has them. False when the
// move failed; both files are then as they were.
bool ReplaceFileWith(const std::string& source, const std::string& target);

void RemoveFile(const std::string& path);

// Shared with the platform parts.
namespace file_replace {
// True for the names a save of a file named targetLeaf gives its temporary files.
bool IsTemporaryName(const std::string& targetLeaf, const std::string& name);
// True when something, even a dangling link, has this name.
bool NameTaken(const std::string& path);
// Removes the temporary files of saves of target, beside it, that no live save is writing.
void RemoveUnusedTemporaries(const std::string& target);
}  // namespace file_replace
