#pragma once
// Explorer's side of the context menu: Cravel's object made through COM from the registry for
// a selection, and choosing one of its entries, which starts Tarvex.exe and waits for it.
#include <shlobj.h>
#include <shobjidl.h>

#include <string>
#include <vector>

#include "CravelTestSupport.h"
#include "DroppedFilesObject.h"
#include "platform/win32/Scoped.h"

namespace cravel_test {

// Cravel's menu object for a selection, as Explorer makes it.
struct ContextMenu {
    explicit ContextMenu(const std::vector<std::string>& paths) : data(paths) {
        ComPtr<IShellExtInit> init;
        EXPECT_EQ(CoCreateInstance(kClsid, nullptr, CLSCTX_INPROC_SERVER, IID_IShellExtInit,
                                   reinterpret_cast<void**>(init.Receive())),
                  S_OK);
        if (!init) {
            return;
        }
        initialized = init->Initialize(nullptr, &data, nullptr);
        init->QueryInterface(IID_IContextMenu, reinterpret_cast<void**>(menu.Receive()));
    }

    DroppedFilesObject data;
    HRESULT initialized = E_UNEXPECTED;
    ComPtr<IContextMenu> menu;
};

inline CMINVOKECOMMANDINFO Command(LPCSTR verb) {
    CMINVOKECOMMANDINFO info = {};
    info.cbSize = sizeof info;
    info.lpVerb = verb;
    info.nShow = SW_SHOWNORMAL;
    return info;
}

// Chooses the entry at offset and waits until the program it started has ended.
inline void ChooseAndWait(IContextMenu* menu, unsigned offset) {
    ASSERT_NE(menu, nullptr);
    ChildProcesses& children = ChildProcesses::Get();  // children join it from their start
    CMINVOKECOMMANDINFO info = Command(MAKEINTRESOURCEA(offset));
    EXPECT_EQ(menu->InvokeCommand(&info), S_OK) << offset;
    EXPECT_TRUE(children.WaitForExits(1)) << "Tarvex.exe did not end";
}

}  // namespace cravel_test
