#pragma once
// A first look at a module file before the system loader sees it: damaged or cut-off files
// are refused, so that nothing is read from them and nothing is ever saved into them.
#include <cstdint>
#include <string>
#include <vector>

// True when file holds a whole PE image: the headers, the section table and the raw data of
// every section lie inside the file.
bool IsWholeModuleImage(const std::vector<uint8_t>& file);
// The same test on a file, reading only its headers and section table (a few kilobytes,
// however large the file), never the whole file into memory.
bool IsWholeModuleFile(const std::string& path);
