#pragma once
// The data object of a drag or of the clipboard: global memory under clipboard formats, the
// move payload under "Tarvex" as the program's drag sources put it. What others set into it
// (the shell's drag image, for one) is kept and given back the same way.
#include <objidl.h>

#include <cstddef>
#include <vector>

#include "browser/win32/transfer/ComObject.h"

class DataSource : public ComObject<IDataObject, IID_IDataObject> {
  public:
    // Copies the bytes into new moveable, shareable, zeroed global memory under format; an
    // earlier block of that format is replaced. False when the memory cannot be had.
    bool Put(CLIPFORMAT format, const void* bytes, std::size_t size);

    STDMETHODIMP GetData(FORMATETC* format, STGMEDIUM* medium) override;
    STDMETHODIMP GetDataHere(FORMATETC* format, STGMEDIUM* medium) override;
    STDMETHODIMP QueryGetData(FORMATETC* format) override;
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC* format, FORMATETC* canonical) override;
    STDMETHODIMP SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) override;
    STDMETHODIMP EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override;
    STDMETHODIMP DAdvise(FORMATETC* format, DWORD flags, IAdviseSink* sink,
                         DWORD* connection) override;
    STDMETHODIMP DUnadvise(DWORD connection) override;
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA** advises) override;

  private:
    struct Block {
        CLIPFORMAT format;
        ScopedGlobal memory;
    };
    // The block a request names, or null (with the reason) when none matches.
    Block* Find(const FORMATETC* format, HRESULT& reason);
    void Keep(CLIPFORMAT format, ScopedGlobal memory);

    std::vector<Block> blocks_;
};

// A copy of global memory in moveable, shareable, zeroed memory of its own; null on failure.
HGLOBAL CopyGlobal(HGLOBAL memory);
