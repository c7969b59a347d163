#pragma once
// The three-line tip the shell shows when the pointer rests on a texture file.
#include <string>

class CGlintraDoc;

std::string InfoTipText(const CGlintraDoc& texture);
