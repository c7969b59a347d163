#include "platform/win32/ui/ToolbarLayout.h"

int ToolbarLayout::ImageOf(UINT command) const {
    int image = 0;
    for (UINT id : commands) {
        if (id == 0)
            continue;
        if (id == command)
            return image;
        ++image;
    }
    return -1;
}

bool LoadToolbarLayout(HINSTANCE instance, int resourceId, ToolbarLayout& layout) {
    HRSRC resource = FindResourceA(instance, MAKEINTRESOURCEA(resourceId),
                                   MAKEINTRESOURCEA(kToolbarResourceType));
    HGLOBAL loaded = resource ? LoadResource(instance, resource) : nullptr;
    const auto* words = loaded ? static_cast<const WORD*>(LockResource(loaded)) : nullptr;
    const DWORD size = resource ? SizeofResource(instance, resource) / sizeof(WORD) : 0;
    if (words == nullptr || size < 4 || words[0] != 1 || size < 4u + words[3])
        return false;
    layout.width = words[1];
    layout.height = words[2];
    layout.commands.assign(words + 4, words + 4 + words[3]);
    return true;
}
