#include "thumbs/win32/GlintraExtractor.h"

#include <new>
#include <string>

#include "platform/win32/Scoped.h"
#include "platform/win32/com/ComGuard.h"
#include "thumbs/win32/GlintraApp.h"

GlintraExtractor::GlintraExtractor(IUnknown* outer)
    : inner_(*this), controlling_(outer ? outer : &inner_) {}

HRESULT GlintraExtractor::Create(IUnknown* outer, REFIID iid, void** object) {
    // An aggregated object hands its own IUnknown to the outer one, and nothing else.
    if (outer && !IsEqualIID(iid, IID_IUnknown))
        return CLASS_E_NOAGGREGATION;
    return Guarded([&] {
        auto* extractor = new GlintraExtractor(outer);
        IUnknown& inner = extractor->inner_;
        inner.AddRef();
        HRESULT result = inner.QueryInterface(iid, object);
        inner.Release();
        return result;
    });
}

STDMETHODIMP GlintraExtractor::Inner::QueryInterface(REFIID iid, void** object) {
    if (!object)
        return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown)) {
        // Not aggregated, the object answers for IUnknown with its IPersistFile.
        *object = owner_.controlling_ == this
                      ? static_cast<IUnknown*>(static_cast<IPersistFile*>(&owner_))
                      : static_cast<IUnknown*>(this);
    } else if (IsEqualIID(iid, IID_IPersist) || IsEqualIID(iid, IID_IPersistFile)) {
        *object = static_cast<IPersistFile*>(&owner_);
    } else if (IsEqualIID(iid, IID_IExtractImage) || IsEqualIID(iid, IID_IExtractImage2)) {
        *object = static_cast<IExtractImage2*>(&owner_);
    } else if (IsEqualIID(iid, IID_IQueryInfo)) {
        *object = static_cast<IQueryInfo*>(&owner_);
    } else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    static_cast<IUnknown*>(*object)->AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) GlintraExtractor::Inner::AddRef() {
    return InterlockedIncrement(&owner_.references_);
}

STDMETHODIMP_(ULONG) GlintraExtractor::Inner::Release() {
    LONG count = InterlockedDecrement(&owner_.references_);
    if (count == 0)
        delete &owner_;
    return count;
}

STDMETHODIMP GlintraExtractor::QueryInterface(REFIID iid, void** object) {
    return controlling_->QueryInterface(iid, object);
}

STDMETHODIMP_(ULONG) GlintraExtractor::AddRef() {
    return controlling_->AddRef();
}

STDMETHODIMP_(ULONG) GlintraExtractor::Release() {
    return controlling_->Release();
}

STDMETHODIMP GlintraExtractor::GetClassID(CLSID*) {
    return E_NOTIMPL;
}
STDMETHODIMP GlintraExtractor::IsDirty() {
    return E_NOTIMPL;
}
STDMETHODIMP GlintraExtractor::Save(LPCOLESTR, BOOL) {
    return E_NOTIMPL;
}
STDMETHODIMP GlintraExtractor::SaveCompleted(LPCOLESTR) {
    return E_NOTIMPL;
}
STDMETHODIMP GlintraExtractor::GetCurFile(LPOLESTR*) {
    return E_NOTIMPL;
}

STDMETHODIMP GlintraExtractor::Load(LPCOLESTR fileName, DWORD) {
    return Guarded([&] {
        fileName_[0] = '\0';
        if (!fileName)
            return E_INVALIDARG;
        // A name that does not fit the buffer is refused rather than cut to another file's name.
        if (WideCharToMultiByte(CP_THREAD_ACP, 0, fileName, -1, fileName_, kFileNameBytes, nullptr,
                                nullptr) == 0) {
            fileName_[0] = '\0';
            return E_INVALIDARG;
        }
        return S_OK;
    });
}

STDMETHODIMP GlintraExtractor::GetLocation(LPWSTR, DWORD, DWORD*, const SIZE* size, DWORD,
                                           DWORD* flags) {
    return Guarded([&] {
        if (!size)
            return E_INVALIDARG;
        requestedSize_ = *size;
        return flags && (*flags & IEIFLAG_ASYNC) ? E_PENDING : S_OK;
    });
}

STDMETHODIMP GlintraExtractor::Extract(HBITMAP* bitmap) {
    if (!bitmap)
        return E_POINTER;
    *bitmap = nullptr;
    return Guarded([&] {
        lastBitmap_ =
            GlintraApp().ExtractThumbnail(fileName_, requestedSize_.cx, requestedSize_.cy);
        *bitmap = lastBitmap_;
        // Without a bitmap the shell must not take S_OK for a picture.
        return lastBitmap_ ? S_OK : E_FAIL;
    });
}

STDMETHODIMP GlintraExtractor::GetDateStamp(FILETIME* stamp) {
    if (!stamp)
        return E_POINTER;
    return Guarded([&] {
        const ScopedHandle file(CreateFileA(fileName_, GENERIC_READ, FILE_SHARE_READ, nullptr,
                                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        FILETIME created, accessed, written;
        if (!file || !GetFileTime(file.Get(), &created, &accessed, &written))
            return E_FAIL;
        *stamp = written;
        return S_OK;
    });
}

STDMETHODIMP GlintraExtractor::GetInfoTip(DWORD, WCHAR** tip) {
    if (!tip)
        return E_POINTER;
    *tip = nullptr;
    return Guarded([&] {
        std::string text;
        if (!GlintraApp().InfoTip(fileName_, text))
            return E_FAIL;
        IMalloc* allocator = nullptr;
        if (FAILED(SHGetMalloc(&allocator)) || !allocator)
            return E_FAIL;
        auto characters = static_cast<int>(text.size() + 1);
        auto* wide = static_cast<WCHAR*>(allocator->Alloc(text.size() * 2 + 2));
        allocator->Release();
        if (!wide)
            return E_OUTOFMEMORY;
        MultiByteToWideChar(CP_THREAD_ACP, 0, text.c_str(), characters, wide, characters);
        *tip = wide;
        return S_OK;
    });
}

STDMETHODIMP GlintraExtractor::GetInfoFlags(DWORD*) {
    return E_NOTIMPL;
}
