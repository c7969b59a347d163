#include "shellmenu/win32/DroppedFiles.h"

#include <shellapi.h>

#include "platform/win32/Scoped.h"

HRESULT ReadDroppedFiles(IDataObject& data, std::vector<std::string>& paths) {
    paths.clear();
    FORMATETC format = {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    ScopedMedium medium;
    if (FAILED(data.GetData(&format, medium.Receive())) || medium.Get().tymed != TYMED_HGLOBAL ||
        !medium.Get().hGlobal) {
        return E_FAIL;
    }
    auto drop = static_cast<HDROP>(medium.Get().hGlobal);
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    paths.resize(count);
    for (UINT i = 0; i < count; ++i) {
        // Asked for its length first, so that a long path is never cut into another one.
        const UINT length = DragQueryFileA(drop, i, nullptr, 0);
        if (length == 0) {
            continue;
        }
        std::string path(length + 1, '\0');
        const UINT copied = DragQueryFileA(drop, i, path.data(), length + 1);
        path.resize(copied <= length ? copied : 0);
        paths[i] = std::move(path);
    }
    return S_OK;
}
