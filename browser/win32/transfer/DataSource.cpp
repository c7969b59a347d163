#include "browser/win32/transfer/DataSource.h"

#include <shlobj.h>

#include <cstring>

namespace {

constexpr UINT kPayloadMemory = GMEM_MOVEABLE | GMEM_SHARE | GMEM_ZEROINIT;

}  // namespace

HGLOBAL CopyGlobal(HGLOBAL memory) {
    const SIZE_T size = GlobalSize(memory);
    ScopedGlobal copy(GlobalAlloc(kPayloadMemory, size));
    if (!copy)
        return nullptr;
    const LockedGlobal<> from(memory);
    const LockedGlobal<> to(copy.Get());
    if (from.Get() == nullptr || to.Get() == nullptr)
        return nullptr;
    std::memcpy(to.Get(), from.Get(), size);
    return copy.Release();
}

bool DataSource::Put(CLIPFORMAT format, const void* bytes, std::size_t size) {
    // Global memory of no bytes cannot be locked; a block is at least one byte.
    ScopedGlobal memory(GlobalAlloc(kPayloadMemory, size != 0 ? size : 1));
    if (!memory)
        return false;
    {
        const LockedGlobal<> data(memory.Get());
        if (data.Get() == nullptr)
            return false;
        if (size != 0)
            std::memcpy(data.Get(), bytes, size);
    }
    Keep(format, std::move(memory));
    return true;
}

void DataSource::Keep(CLIPFORMAT format, ScopedGlobal memory) {
    for (Block& block : blocks_) {
        if (block.format == format) {
            block.memory = std::move(memory);
            return;
        }
    }
    blocks_.push_back({format, std::move(memory)});
}

DataSource::Block* DataSource::Find(const FORMATETC* format, HRESULT& reason) {
    reason = DV_E_FORMATETC;
    if (format == nullptr)
        return nullptr;
    for (Block& block : blocks_) {
        if (block.format != format->cfFormat)
            continue;
        if (format->dwAspect != DVASPECT_CONTENT) {
            reason = DV_E_DVASPECT;
            return nullptr;
        }
        if ((format->tymed & TYMED_HGLOBAL) == 0) {
            reason = DV_E_TYMED;
            return nullptr;
        }
        if (format->lindex != -1) {
            reason = DV_E_LINDEX;
            return nullptr;
        }
        return &block;
    }
    return nullptr;
}

STDMETHODIMP DataSource::GetData(FORMATETC* format, STGMEDIUM* medium) {
    return Guarded([&]() -> HRESULT {
        if (medium == nullptr)
            return E_POINTER;
        *medium = {};
        HRESULT reason;
        Block* block = Find(format, reason);
        if (block == nullptr)
            return reason;
        // The receiver frees what it gets; this object keeps its own block for the next one.
        HGLOBAL copy = CopyGlobal(block->memory.Get());
        if (copy == nullptr)
            return E_OUTOFMEMORY;
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = copy;
        medium->pUnkForRelease = nullptr;
        return S_OK;
    });
}

STDMETHODIMP DataSource::GetDataHere(FORMATETC*, STGMEDIUM*) {
    return E_NOTIMPL;
}

STDMETHODIMP DataSource::QueryGetData(FORMATETC* format) {
    return Guarded([&]() -> HRESULT {
        HRESULT reason;
        return Find(format, reason) ? S_OK : reason;
    });
}

STDMETHODIMP DataSource::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* canonical) {
    if (canonical == nullptr)
        return E_POINTER;
    canonical->ptd = nullptr;
    return DATA_S_SAMEFORMATETC;
}

STDMETHODIMP DataSource::SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) {
    return Guarded([&]() -> HRESULT {
        if (format == nullptr || medium == nullptr)
            return E_POINTER;
        if (format->dwAspect != DVASPECT_CONTENT)
            return DV_E_DVASPECT;
        if (format->tymed != TYMED_HGLOBAL || medium->tymed != TYMED_HGLOBAL)
            return DV_E_TYMED;
        ScopedGlobal memory(CopyGlobal(medium->hGlobal));
        if (!memory)
            return E_OUTOFMEMORY;
        Keep(format->cfFormat, std::move(memory));
        // Taken over: the copy is kept, so the caller's medium is released here.
        if (release)
            ReleaseStgMedium(medium);
        return S_OK;
    });
}

STDMETHODIMP DataSource::EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) {
    return Guarded([&]() -> HRESULT {
        if (formats == nullptr)
            return E_POINTER;
        *formats = nullptr;
        if (direction != DATADIR_GET)
            return E_NOTIMPL;
        std::vector<FORMATETC> offered;
        for (const Block& block : blocks_)
            offered.push_back({block.format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL});
        return SHCreateStdEnumFmtEtc(static_cast<UINT>(offered.size()), offered.data(), formats);
    });
}

STDMETHODIMP DataSource::DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) {
    return OLE_E_ADVISENOTSUPPORTED;
}

STDMETHODIMP DataSource::DUnadvise(DWORD) {
    return OLE_E_ADVISENOTSUPPORTED;
}

STDMETHODIMP DataSource::EnumDAdvise(IEnumSTATDATA**) {
    return OLE_E_ADVISENOTSUPPORTED;
}
