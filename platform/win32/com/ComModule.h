#pragma once
// Module-wide state of an in-process COM server: its instance, its file path, and the count of
// live objects that decides whether it may be unloaded.
#include <windows.h>

#include <optional>
#include <string>

// What every DllMain of a server does: at process attach it keeps the instance and turns off
// the thread notifications, which no server uses. Always TRUE.
BOOL ModuleMain(HINSTANCE instance, DWORD reason);
HINSTANCE ModuleInstance();
// Full path of the module file, as GetModuleFileNameA gives it.
std::string ModulePath();
// The same, or nothing when the path is too long for MAX_PATH and ModulePath() cuts it: a cut
// path names another file.
std::optional<std::string> WholeModulePath();

// Every COM object and class factory of the module calls these from its constructor and
// destructor.
void ModuleObjectCreated();
void ModuleObjectDestroyed();
// S_OK when no object is alive, S_FALSE otherwise.
HRESULT ModuleCanUnloadNow();

// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" in upper case, as StringFromIID gives it.
std::string GuidString(REFGUID guid);

// Keeps the module loaded for as long as the holder lives; a member of every COM object.
class ModuleObjectCount {
  public:
    ModuleObjectCount() { ModuleObjectCreated(); }
    ~ModuleObjectCount() { ModuleObjectDestroyed(); }
    ModuleObjectCount(const ModuleObjectCount&) = delete;
    ModuleObjectCount& operator=(const ModuleObjectCount&) = delete;
};
