// The exported entry points of Glintra.dll.
#include <windows.h>

#include <iterator>

#include "platform/win32/com/ClassFactory.h"
#include "platform/win32/com/ComGuard.h"
#include "platform/win32/com/ComModule.h"
#include "platform/win32/com/RegistrationScript.h"
#include "platform/win32/com/TypeLibRegistration.h"
#include "resources/glintra/resource.h"
#include "thumbs/win32/GlintraExtractor.h"
#include "thumbs/win32/GlintraIds.h"

namespace {

const ComClass kClasses[] = {{&CLSID_GlintraExtractor, &GlintraExtractor::Create}};

ScriptReplacements Replacements() {
    return {{"MODULE", ModulePath()}};
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    return ModuleMain(instance, reason);
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
    return GetClassObject(kClasses, std::size(kClasses), clsid, iid, object);
}

STDAPI DllCanUnloadNow() {
    return ModuleCanUnloadNow();
}

STDAPI DllRegisterServer() {
    return Guarded([] {
        HRESULT result =
            RunScriptResource(ModuleInstance(), IDR_GLINTRA_REGISTRY, Replacements(), true);
        return SUCCEEDED(result) ? RegisterModuleTypeLib(ModulePath()) : result;
    });
}

STDAPI DllUnregisterServer() {
    Guarded([] {
        RunScriptResource(ModuleInstance(), IDR_GLINTRA_REGISTRY, Replacements(), false);
        UnregisterModuleTypeLib(ModulePath());
        return S_OK;
    });
    return S_OK;
}
