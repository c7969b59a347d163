#include "DroppedFilesObject.h"

#include <cstring>

#include "AnsiWide.h"

namespace cravel_test {

DroppedFilesObject::DroppedFilesObject(std::vector<std::string> paths, bool withList)
    : paths_(std::move(paths)), withList_(withList) {}

STDMETHODIMP DroppedFilesObject::QueryInterface(REFIID iid, void** object) {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDataObject)) {
        *object = static_cast<IDataObject*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) DroppedFilesObject::AddRef() {
    return ++references_;
}

STDMETHODIMP_(ULONG) DroppedFilesObject::Release() {
    return --references_;
}

bool DroppedFilesObject::Serves(const FORMATETC* format) const {
    return withList_ && format && format->cfFormat == CF_HDROP && (format->tymed & TYMED_HGLOBAL) &&
           format->dwAspect == DVASPECT_CONTENT;
}

STDMETHODIMP DroppedFilesObject::QueryGetData(FORMATETC* format) {
    return Serves(format) ? S_OK : DV_E_FORMATETC;
}

STDMETHODIMP DroppedFilesObject::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) {
    out->ptd = nullptr;
    return DATA_S_SAMEFORMATETC;
}

STDMETHODIMP DroppedFilesObject::GetData(FORMATETC* format, STGMEDIUM* medium) {
    ++requests_;
    if (!Serves(format)) {
        return DV_E_FORMATETC;
    }
    // DROPFILES, then every path as wide text with its zero, then one more zero.
    std::wstring list;
    for (const std::string& path : paths_) {
        list += Wide(path);
        list += L'\0';
    }
    list += L'\0';
    const size_t bytes = sizeof(DROPFILES) + list.size() * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GHND, bytes);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    std::memcpy(drop + 1, list.data(), list.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = memory;
    medium->pUnkForRelease = nullptr;  // the receiver frees it
    return S_OK;
}

}  // namespace cravel_test
