#pragma once
// File-system steps of a safe save: a fresh temporary file beside the target, then one
// replacing move, so the target is at every moment either the old or the new file.
#include <string>

bool PathExists(const std::string& path);
// Moves source over target, replacing it. The target keeps its permissions where the
// platform has them. False when the move failed; both files are then as they were.
bool ReplaceFileWith(const std::string& source, const std::string& target);
void RemoveFile(const std::string& path);
// A path beside target that names no existing file; empty when none could be found.
std::string TemporaryPathBeside(const std::string& target);
