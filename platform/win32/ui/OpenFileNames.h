#pragma once
// The names a multiple-selection open dialog returns: either one full path, or the folder
// followed by the file names, each ended by a NUL, the list ended by a second NUL.
#include <cstddef>
#include <string>
#include <vector>

std::vector<std::string> ParseOpenFileNames(const char* buffer, size_t size);
