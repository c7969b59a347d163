#pragma once
// Identifiers of the Glintra COM class.
#include <windows.h>

// {5DCED9AF-C2EC-4BD3-AF2A-F51D6B18FC7C}
inline constexpr CLSID CLSID_GlintraExtractor = {
    0x5DCED9AF, 0xC2EC, 0x4BD3, {0xAF, 0x2A, 0xF5, 0x1D, 0x6B, 0x18, 0xFC, 0x7C}};
