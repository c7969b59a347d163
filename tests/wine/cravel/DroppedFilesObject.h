#pragma once
// A data object like the one Explorer hands a context-menu handler: the selected paths as a
// dropped-file list (CF_HDROP, wide text as on Windows NT), or no such list at all.
#include <objidl.h>
#include <shlobj.h>
#include <windows.h>

#include <string>
#include <vector>

namespace cravel_test {

class DroppedFilesObject final : public IDataObject {
  public:
    // withList false: a data object without a dropped-file list.
    explicit DroppedFilesObject(std::vector<std::string> paths, bool withList = true);

    LONG References() const { return references_; }
    int DataRequests() const { return requests_; }

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;  // never deletes: the test owns the object

    STDMETHODIMP GetData(FORMATETC* format, STGMEDIUM* medium) override;
    STDMETHODIMP GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    STDMETHODIMP QueryGetData(FORMATETC* format) override;
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override;
    STDMETHODIMP SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    STDMETHODIMP DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    STDMETHODIMP DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

  private:
    bool Serves(const FORMATETC* format) const;

    std::vector<std::string> paths_;
    bool withList_;
    LONG references_ = 1;
    int requests_ = 0;
};

}  // namespace cravel_test
