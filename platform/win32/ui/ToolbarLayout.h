#pragma once
// The toolbar resource (type 241): version 1, button width, button height, button count,
// then one command identifier per button, 0 for a separator; all 16-bit words. The images
// of the buttons without separators sit in the bitmap of the same number, left to right.
#include <windows.h>

#include <vector>

constexpr WORD kToolbarResourceType = 241;

struct ToolbarLayout {
    int width = 16;
    int height = 15;
    std::vector<UINT> commands;  // 0 for a separator

    // The bitmap image of a command's button, -1 when it has none.
    int ImageOf(UINT command) const;
};

bool LoadToolbarLayout(HINSTANCE instance, int resourceId, ToolbarLayout& layout);
