#pragma once
// The shell's name for the type of a file name (the file need not exist), e.g. "Text Document".
#include <string>

std::string ShellTypeName(const std::string& fileName);
