// Shows a window with a context menu holding Cravel's entries until screenshot.sh has taken
// its pictures:
//   cravel_screenshot_host <Cravel.dll> <folder>
// First the menu of a folder ("folder"), then that of an archive ("archive"), each with
// Cravel's first entry highlighted. For each the host writes <folder>\<name>.ready once the
// menu is drawn and closes it when <folder>\<name>.done appears; it gives up after 30 seconds.
#include <shlobj.h>
#include <shobjidl.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "DroppedFilesObject.h"

namespace {

constexpr int kTicksUntilDrawn = 5;
constexpr int kTicksAtMost = 300;

struct Phase {
    const char* name;
    const char* path;
};
const Phase kPhases[] = {
    {"folder", "C:\\Games\\Lithtech\\Maps\\Sounds"},
    {"archive", "C:\\Games\\Lithtech\\Maps\\Old~.rez"},
};

std::string folder;
const Phase* phase = nullptr;
int ticks = 0, allTicks = 0;
bool gaveUp = false;

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

HWND frame = nullptr;

// Into this thread's queue, which the menu reads: no input reaches other programs on the
// display.
void PressKey(WORD key) {
    PostMessageA(frame, WM_KEYDOWN, key, 0);
    PostMessageA(frame, WM_KEYUP, key, 0xC0000000);
}

// Runs inside the menu's own message loop.
void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    const std::string name = folder + "\\" + phase->name;
    ++ticks;
    if (ticks == 2) {
        PressKey(VK_DOWN);  // "&Open"
        PressKey(VK_DOWN);  // Cravel's first entry
    }
    if (ticks == kTicksUntilDrawn) {
        if (FILE* f = std::fopen((name + ".ready").c_str(), "w")) {
            std::fclose(f);
        }
    }
    gaveUp = gaveUp || ++allTicks > kTicksAtMost;
    if (Exists(name + ".done") || gaveUp) {
        EndMenu();
    }
}

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

IContextMenu* CravelMenu(HMODULE dll, cravel_test::DroppedFilesObject& data) {
    using GetClassObject = HRESULT(WINAPI*)(REFCLSID, REFIID, void**);
    auto getClassObject = reinterpret_cast<GetClassObject>(
        reinterpret_cast<void*>(GetProcAddress(dll, "DllGetClassObject")));
    const CLSID clsid = {
        0xF9411A21, 0x2B30, 0x4B62, {0x86, 0x9E, 0xFA, 0xFE, 0xCA, 0x39, 0x4F, 0xB3}};
    IClassFactory* factory = nullptr;
    if (!getClassObject ||
        FAILED(getClassObject(clsid, IID_IClassFactory, reinterpret_cast<void**>(&factory)))) {
        return nullptr;
    }
    IShellExtInit* init = nullptr;
    factory->CreateInstance(nullptr, IID_IShellExtInit, reinterpret_cast<void**>(&init));
    factory->Release();
    if (!init) {
        return nullptr;
    }
    IContextMenu* menu = nullptr;
    if (SUCCEEDED(init->Initialize(nullptr, &data, nullptr))) {
        init->QueryInterface(IID_IContextMenu, reinterpret_cast<void**>(&menu));
    }
    init->Release();
    return menu;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        return 2;
    }
    folder = argv[2];
    HMODULE dll = LoadLibraryA(argv[1]);
    if (!dll) {
        return 3;
    }
    WNDCLASSA frameClass = {};
    frameClass.lpfnWndProc = FrameProc;
    frameClass.hInstance = GetModuleHandleA(nullptr);
    frameClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    frameClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    frameClass.lpszClassName = "CravelScreenshot";
    RegisterClassA(&frameClass);
    frame = CreateWindowA("CravelScreenshot", "Maps", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 560,
                          300, nullptr, nullptr, frameClass.hInstance, nullptr);
    SetForegroundWindow(frame);

    int result = 0;
    for (const Phase& current : kPhases) {
        phase = &current;
        ticks = 0;
        cravel_test::DroppedFilesObject data({current.path});
        IContextMenu* cravel = CravelMenu(dll, data);
        if (!cravel) {
            return 4;
        }
        HMENU popup = CreatePopupMenu();
        AppendMenuA(popup, MF_STRING, 1, "&Open");
        AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(popup, MF_STRING, 2, "Cu&t");
        AppendMenuA(popup, MF_STRING, 3, "&Copy");
        AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(popup, MF_STRING, 4, "P&roperties");
        cravel->QueryContextMenu(popup, 1, 100, 200, CMF_NORMAL);
        UINT_PTR timer = SetTimer(nullptr, 0, 100, Tick);
        TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_TOPALIGN, 60, 70, 0, frame, nullptr);
        KillTimer(nullptr, timer);
        DestroyMenu(popup);
        cravel->Release();
        result = gaveUp ? 1 : result;
    }
    DestroyWindow(frame);
    return result;
}
