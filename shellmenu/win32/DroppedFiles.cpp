#include "shellmenu/win32/DroppedFiles.h"

#include "platform/win32/DropList.h"
#include "platform/win32/Scoped.h"

HRESULT ReadDroppedFiles(IDataObject& data, std::vector<std::string>& paths) {
    paths.clear();
    FORMATETC format = {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    ScopedMedium medium;
    if (FAILED(data.GetData(&format, medium.Receive())) || medium.Get().tymed != TYMED_HGLOBAL ||
        !medium.Get().hGlobal)
        return E_FAIL;
    paths = ReadDropList(static_cast<HDROP>(medium.Get().hGlobal));
    return S_OK;
}
