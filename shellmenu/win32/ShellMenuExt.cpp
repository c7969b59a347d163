#include "shellmenu/win32/ShellMenuExt.h"

#include <shellapi.h>

#include <new>
#include <optional>

#include "platform/win32/com/ComGuard.h"
#include "resources/cravel/resource.h"
#include "shellmenu/AnsiText.h"
#include "shellmenu/CommandParameters.h"
#include "shellmenu/MenuCommands.h"
#include "shellmenu/TarvexProgram.h"
#include "shellmenu/win32/CravelIds.h"
#include "shellmenu/win32/DroppedFiles.h"
#include "shellmenu/win32/RegisteredServer.h"

namespace {

// Bitmap 129 at the size of the menu's check marks, which is where the menu draws it. Its
// white background is transparent: the menu combines check-mark bitmaps with AND.
HBITMAP LoadMenuBitmap() {
    return static_cast<HBITMAP>(LoadImageA(ModuleInstance(), MAKEINTRESOURCEA(IDB_CRAVEL_MENU),
                                           IMAGE_BITMAP, GetSystemMetrics(SM_CXMENUCHECK),
                                           GetSystemMetrics(SM_CYMENUCHECK), 0));
}

bool IsDirectory(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void CopyWide(const std::string& text, wchar_t* buffer, UINT size) {
    std::wstring wide(text.size(), L'\0');
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                           wide.data(), static_cast<int>(wide.size()));
    wide.resize(length > 0 ? static_cast<size_t>(length) : 0);
    const size_t copied = wide.size() < size ? wide.size() : size - 1;
    wide.copy(buffer, copied);
    buffer[copied] = L'\0';
}

}  // namespace

CShellMenuExt::CShellMenuExt() : bitmap_(LoadMenuBitmap()) {}

HRESULT CShellMenuExt::Create(IUnknown* outer, REFIID iid, void** object) {
    return Guarded([&]() -> HRESULT {
        if (outer)
            return CLASS_E_NOAGGREGATION;
        auto* menu = new (std::nothrow) CShellMenuExt;
        if (!menu)
            return E_OUTOFMEMORY;
        menu->AddRef();
        HRESULT result = menu->QueryInterface(iid, object);
        menu->Release();
        return result;
    });
}

STDMETHODIMP CShellMenuExt::QueryInterface(REFIID iid, void** object) {
    if (!object)
        return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IShellExtInit)) {
        *object = static_cast<IShellExtInit*>(this);
    } else if (IsEqualIID(iid, IID_IContextMenu)) {
        *object = static_cast<IContextMenu*>(this);
    } else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) CShellMenuExt::AddRef() {
    return InterlockedIncrement(&references_);
}

STDMETHODIMP_(ULONG) CShellMenuExt::Release() {
    const LONG count = InterlockedDecrement(&references_);
    if (count == 0)
        delete this;
    return count;
}

STDMETHODIMP CShellMenuExt::Initialize(PCIDLIST_ABSOLUTE, IDataObject* data, HKEY) {
    return Guarded([&]() -> HRESULT {
        data_.Reset();
        selection_.clear();
        if (!data)
            return E_FAIL;
        data->AddRef();
        data_.Reset(data);
        return ReadDroppedFiles(*data, selection_);
    });
}

STDMETHODIMP CShellMenuExt::QueryContextMenu(HMENU menu, UINT index, UINT firstId, UINT,
                                             UINT flags) {
    return Guarded([&]() -> HRESULT {
        if (!menu)
            return MAKE_HRESULT(SEVERITY_SUCCESS, 0, 0);
        const MenuPlan plan = PlanMenu(selection_, flags, IsDirectory);
        for (size_t i = 0; i < plan.entries.size(); ++i) {
            const UINT position = index + static_cast<UINT>(i);
            InsertMenuA(menu, position, MF_BYPOSITION | MF_STRING, firstId + plan.entries[i].offset,
                        plan.entries[i].text.c_str());
            SetMenuItemBitmaps(menu, position, MF_BYPOSITION | MF_BITMAP, bitmap_.Get(),
                               bitmap_.Get());
        }
        return MAKE_HRESULT(SEVERITY_SUCCESS, 0, plan.identifiersUsed);
    });
}

STDMETHODIMP CShellMenuExt::InvokeCommand(CMINVOKECOMMANDINFO* info) {
    return Guarded([&]() -> HRESULT {
        if (!info)
            return E_INVALIDARG;
        // A verb given by name is none of Cravel's entries: failing lets the shell offer it to
        // the next handler.
        if (!IS_INTRESOURCE(info->lpVerb))
            return E_FAIL;
        const unsigned offset = LOWORD(reinterpret_cast<UINT_PTR>(info->lpVerb));
        if (offset < kMenuOffsetCount && !IsUsableSelection(selection_)) {
            if ((info->fMask & CMIC_MASK_FLAG_NO_UI) == 0)
                MessageBoxA(info->hwnd, kUnreadableSelection, "Cravel", MB_OK | MB_ICONWARNING);
            return E_FAIL;
        }
        const auto parameters = CommandParameters(offset, selection_);
        if (!parameters)
            return E_FAIL;
        const auto server = RegisteredServerPath(CLSID_ShellMenu);
        const auto program = server ? TarvexBeside(*server) : std::nullopt;
        if (!program)
            return E_FAIL;
        const auto started = reinterpret_cast<INT_PTR>(
            ShellExecuteA(nullptr, nullptr, program->path.c_str(), parameters->c_str(),
                          program->folder.c_str(), SW_SHOW));
        return started > 32 ? S_OK : E_FAIL;
    });
}

STDMETHODIMP CShellMenuExt::GetCommandString(UINT_PTR id, UINT type, UINT*, CHAR* name, UINT size) {
    return Guarded([&]() -> HRESULT {
        const bool verb = type == GCS_VERBA || type == GCS_VERBW;
        const bool help = type == GCS_HELPTEXTA || type == GCS_HELPTEXTW;
        if (!verb && !help)
            return S_OK;
        if (!name || size == 0)
            return E_INVALIDARG;
        const unsigned offset =
            id < kMenuOffsetCount ? static_cast<unsigned>(id) : kMenuOffsetCount;
        const auto text =
            CommandString(offset, verb ? CommandText::Verb : CommandText::HelpText, selection_);
        if (!text)
            return E_FAIL;
        if (type == GCS_VERBW || type == GCS_HELPTEXTW)
            CopyWide(*text, reinterpret_cast<wchar_t*>(name), size);
        else
            lstrcpynA(name, CutToBuffer(*text, size).c_str(), static_cast<int>(size));
        return S_OK;
    });
}
