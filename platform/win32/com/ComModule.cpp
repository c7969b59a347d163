#include "platform/win32/com/ComModule.h"

#include <objbase.h>

namespace {

HINSTANCE g_instance = nullptr;
LONG g_liveObjects = 0;

}  // namespace

BOOL ModuleMain(HINSTANCE instance, DWORD reason) {
    if (reason == DLL_PROCESS_ATTACH) {
        g_instance = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

HINSTANCE ModuleInstance() {
    return g_instance;
}

std::string ModulePath() {
    char path[MAX_PATH + 1] = {};
    DWORD length = GetModuleFileNameA(g_instance, path, MAX_PATH);
    return std::string(path, length < MAX_PATH ? length : MAX_PATH);
}

std::optional<std::string> WholeModulePath() {
    std::string path = ModulePath();
    // A path that fills the whole buffer was cut (or lost its terminator).
    if (path.empty() || path.size() >= MAX_PATH)
        return std::nullopt;
    return path;
}

// Objects may live on several threads; the count is changed atomically.
void ModuleObjectCreated() {
    InterlockedIncrement(&g_liveObjects);
}

void ModuleObjectDestroyed() {
    InterlockedDecrement(&g_liveObjects);
}

HRESULT ModuleCanUnloadNow() {
    return InterlockedCompareExchange(&g_liveObjects, 0, 0) == 0 ? S_OK : S_FALSE;
}

std::string GuidString(REFGUID guid) {
    wchar_t wide[40] = {};
    int length = StringFromGUID2(guid, wide, 40);
    // The text is ASCII: narrowing each character is exact.
    std::string text;
    for (int i = 0; i + 1 < length; ++i)
        text += static_cast<char>(wide[i]);
    return text;
}
