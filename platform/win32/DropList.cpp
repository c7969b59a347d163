#include "platform/win32/DropList.h"

std::vector<std::string> ReadDropList(HDROP drop) {
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    std::vector<std::string> paths(count);
    for (UINT i = 0; i < count; ++i) {
        // The length first: a path is never cut into another one at a fixed size.
        const UINT length = DragQueryFileA(drop, i, nullptr, 0);
        if (length == 0)
            continue;
        std::string path(length + 1, '\0');
        const UINT copied = DragQueryFileA(drop, i, path.data(), length + 1);
        path.resize(copied <= length ? copied : 0);
        paths[i] = std::move(path);
    }
    return paths;
}
