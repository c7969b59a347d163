#include "shellmenu/win32/CravelRegistration.h"

#include <olectl.h>

#include "platform/win32/com/ComModule.h"
#include "platform/win32/com/RegistryTable.h"
#include "shellmenu/win32/CravelIds.h"

namespace {

// Keys are formatted with the class identifier, data with the module path.
const RegistryRow kClassRows[] = {
    {HKEY_CLASSES_ROOT, "CLSID\\%s", nullptr, "Cravel"},
    {HKEY_CLASSES_ROOT, "CLSID\\%s\\InProcServer32", nullptr, "%s"},
    {HKEY_CLASSES_ROOT, "CLSID\\%s\\InProcServer32", "ThreadingModel", "Apartment"},
    {nullptr, nullptr, nullptr, nullptr},
};

// Keys and data are formatted with the class identifier.
const RegistryRow kHandlerRows[] = {
    {HKEY_CLASSES_ROOT, "*\\shellex\\ContextMenuHandlers\\Cravel", nullptr, "%s"},
    {HKEY_CLASSES_ROOT, "Folder\\shellex\\ContextMenuHandlers\\Cravel", nullptr, "%s"},
    {nullptr, nullptr, nullptr, nullptr},
};

// The value is named by the class identifier.
const RegistryRow kApprovalRows[] = {
    {HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved",
     "%s", "Cravel"},
    {nullptr, nullptr, nullptr, nullptr},
};

const char* const kRemovedKeys[] = {
    "CLSID\\%s\\InProcServer32",
    "CLSID\\%s",
    "*\\shellex\\ContextMenuHandlers\\Cravel",
    "Folder\\shellex\\ContextMenuHandlers\\Cravel",
    nullptr,
};

// Only Windows NT asks for the approval of shell extensions.
bool IsWindowsNt() {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    return GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

}  // namespace

HRESULT RegisterCravel() {
    const auto module = WholeModulePath();
    if (!module)
        return SELFREG_E_CLASS;
    const std::string clsid = GuidString(CLSID_ShellMenu);
    HRESULT result = WriteRegistryTable(kClassRows, clsid, *module);
    if (SUCCEEDED(result))
        result = WriteRegistryTable(kHandlerRows, clsid, clsid);
    if (SUCCEEDED(result) && IsWindowsNt())
        result = WriteRegistryTable(kApprovalRows, clsid, "");
    return result;
}

HRESULT UnregisterCravel() {
    const std::string clsid = GuidString(CLSID_ShellMenu);
    const HRESULT result = DeleteRegistryKeys(HKEY_CLASSES_ROOT, kRemovedKeys, clsid);
    if (SUCCEEDED(result) && IsWindowsNt())
        DeleteRegistryValues(kApprovalRows, clsid);  // a value already gone is no failure
    return result;
}
