#pragma once
// The 127 bytes every archive this program writes begins with.
#include <string>

std::string ArchiveTextBlock();
