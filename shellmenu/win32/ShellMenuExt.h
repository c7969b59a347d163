#pragma once
// The context-menu object Explorer loads for files and folders: it takes the selection, adds
// Cravel's entries to the menu and starts Tarvex for the one chosen. Every decision is the
// portable core's; this object only translates. It cannot be aggregated.
#include <shlobj.h>
#include <shobjidl.h>
#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/Scoped.h"
#include "platform/win32/com/ComModule.h"

class CShellMenuExt final : public IShellExtInit, public IContextMenu {
  public:
    // The CreateInstanceFunction of the class factory.
    static HRESULT Create(IUnknown* outer, REFIID iid, void** object);

    // IUnknown: one reference count for both interfaces.
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IShellExtInit
    STDMETHODIMP Initialize(PCIDLIST_ABSOLUTE folder, IDataObject* data, HKEY progId) override;

    // IContextMenu
    STDMETHODIMP QueryContextMenu(HMENU menu, UINT index, UINT firstId, UINT lastId,
                                  UINT flags) override;
    STDMETHODIMP InvokeCommand(CMINVOKECOMMANDINFO* info) override;
    STDMETHODIMP GetCommandString(UINT_PTR id, UINT type, UINT* reserved, CHAR* name,
                                  UINT size) override;

  private:
    CShellMenuExt();
    ~CShellMenuExt() = default;

    ModuleObjectCount moduleCount_;
    LONG references_ = 0;
    ComPtr<IDataObject> data_;
    std::vector<std::string> selection_;
    ScopedBitmap bitmap_;
};
