#pragma once
// The 127 bytes every archive the program writes starts with, spelled out.
#include <string>

namespace support {

inline const std::string kArchiveTextBlock =
    "\r\n"
    "Tarvex 3.0 Stonemere Software                               "
    "\r\n"
    "LithTech Resource File                                      "
    "\r\n\x1a";

}  // namespace support
