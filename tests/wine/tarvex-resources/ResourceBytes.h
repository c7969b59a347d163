#pragma once
// Reading this program's own resources: Tarvex's resources are linked into the test.
#include <windows.h>

#include <commctrl.h>

#include <optional>
#include <string>

inline HINSTANCE Instance() {
    return GetModuleHandleA(nullptr);
}

// The bytes of a resource, or nothing when the module has none of that name and type.
inline std::optional<std::string> ResourceBytes(int id, const char* type) {
    HRSRC found = FindResourceA(Instance(), MAKEINTRESOURCEA(id), type);
    if (found == nullptr)
        return std::nullopt;
    HGLOBAL loaded = LoadResource(Instance(), found);
    const char* data = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    if (data == nullptr)
        return std::nullopt;
    return std::string(data, SizeofResource(Instance(), found));
}

// A string resource as the program loads it; nothing when the table has no such string.
inline std::optional<std::string> LoadedString(int id) {
    char text[4096];
    const int length = LoadStringA(Instance(), id, text, sizeof(text));
    if (length <= 0)
        return std::nullopt;
    return std::string(text, length);
}

// A hidden window to hold controls of the given common-control classes.
inline HWND HiddenParent(DWORD controlClasses) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), controlClasses};
    InitCommonControlsEx(&controls);
    return CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 600, 100, nullptr, nullptr, Instance(),
                           nullptr);
}
