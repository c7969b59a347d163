// The exported entry points of Cravel.dll.
#include <windows.h>

#include <iterator>

#include "platform/win32/com/ClassFactory.h"
#include "platform/win32/com/ComGuard.h"
#include "platform/win32/com/ComModule.h"
#include "shellmenu/win32/CravelIds.h"
#include "shellmenu/win32/CravelRegistration.h"
#include "shellmenu/win32/ShellMenuExt.h"

namespace {

// The class factory of CLSID_ShellMenu is the shared one, making context-menu objects.
const ComClass kClasses[] = {{&CLSID_ShellMenu, &CShellMenuExt::Create}};

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    return ModuleMain(instance, reason);
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
    return Guarded(
        [&] { return GetClassObject(kClasses, std::size(kClasses), clsid, iid, object); });
}

STDAPI DllCanUnloadNow() {
    return ModuleCanUnloadNow();
}

STDAPI DllRegisterServer() {
    return Guarded(RegisterCravel);
}

STDAPI DllUnregisterServer() {
    return Guarded(UnregisterCravel);
}
