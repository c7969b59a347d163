#pragma once
// Where Cravel finds the program it starts: Tarvex.exe in the folder of the module path that
// registration wrote, never one found elsewhere on the search path.
#include <cstddef>
#include <optional>
#include <string>

#include "platform/TextCase.h"

// The longest path registration writes and the shell can load (MAX_PATH without terminator).
constexpr std::size_t kLongestModulePath = 259;

struct TarvexProgram {
    std::string path;    // <folder>\Tarvex.exe
    std::string folder;  // the working folder it is started in
};

// nullopt when serverPath cannot be a registered module path: longer than kLongestModulePath,
// or without a folder.
std::optional<TarvexProgram> TarvexBeside(const std::string& serverPath,
                                          LeadByteTest isLeadByte = IsLeadByte);
