#pragma once
// Names derived from file paths; both '\' and '/' separate folders.
#include <string>

// The part after the last separator.
std::string FileNameOf(const std::string& path);
// The file name without its extension.
std::string FileTitleOf(const std::string& path);
