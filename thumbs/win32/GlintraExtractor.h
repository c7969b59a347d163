#pragma once
// The shell's thumbnail and info-tip object for .dtx files. It may be aggregated.
#include <shlobj.h>
#include <shobjidl.h>
#include <windows.h>

#include "platform/win32/com/ComModule.h"

class GlintraExtractor final : public IPersistFile, public IExtractImage2, public IQueryInfo {
  public:
    // The CreateInstanceFunction of the class factory.
    static HRESULT Create(IUnknown* outer, REFIID iid, void** object);

    // IUnknown: passed on to the controlling object.
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IPersist / IPersistFile
    STDMETHODIMP GetClassID(CLSID* clsid) override;
    STDMETHODIMP IsDirty() override;
    STDMETHODIMP Load(LPCOLESTR fileName, DWORD mode) override;
    STDMETHODIMP Save(LPCOLESTR fileName, BOOL remember) override;
    STDMETHODIMP SaveCompleted(LPCOLESTR fileName) override;
    STDMETHODIMP GetCurFile(LPOLESTR* fileName) override;

    // IExtractImage / IExtractImage2
    STDMETHODIMP GetLocation(LPWSTR pathBuffer, DWORD pathSize, DWORD* priority, const SIZE* size,
                             DWORD colourDepth, DWORD* flags) override;
    STDMETHODIMP Extract(HBITMAP* bitmap) override;
    STDMETHODIMP GetDateStamp(FILETIME* stamp) override;

    // IQueryInfo
    STDMETHODIMP GetInfoTip(DWORD flags, WCHAR** tip) override;
    STDMETHODIMP GetInfoFlags(DWORD* flags) override;

  private:
    // The object's own IUnknown, which owns its lifetime; the outer one when aggregated
    // delegates here.
    class Inner : public IUnknown {
      public:
        explicit Inner(GlintraExtractor& owner) : owner_(owner) {}
        STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
        STDMETHODIMP_(ULONG) AddRef() override;
        STDMETHODIMP_(ULONG) Release() override;

      private:
        GlintraExtractor& owner_;
    };

    explicit GlintraExtractor(IUnknown* outer);

    static constexpr size_t kFileNameBytes = 500;

    ModuleObjectCount moduleCount_;
    Inner inner_;
    IUnknown* controlling_;
    LONG references_ = 0;
    SIZE requestedSize_ = {100, 100};
    HBITMAP lastBitmap_ = nullptr;  // handed to the caller, who owns it
    char fileName_[kFileNameBytes] = {};
};
