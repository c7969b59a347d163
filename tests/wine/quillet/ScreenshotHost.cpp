// Shows Quillet's window with a loaded table until screenshot.sh has taken its pictures:
//   quillet_screenshot_host <module.dll> <folder>
// First a text is open for editing ("list"), then the Edit menu is dropped down ("menu").
// For each the host writes <folder>/<name>.ready once the window is drawn and goes on when
// <folder>/<name>.done appears; it gives up after 30 seconds.
#include <windows.h>

#include <cstdio>
#include <string>

#include "platform/win32/ui/MessageLoop.h"
#include "programs/quillet/QuilletApp.h"
#include "support/ScriptedPrompts.h"

namespace {

constexpr int kTicksUntilDrawn = 5;
constexpr int kTicksAtMost = 300;

std::string folder;
HWND frame;
const char* const kPhases[] = {"list", "menu"};
int phase = 0;
int ticks = 0, allTicks = 0;
int exitCode = 0;

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    const std::string name = folder + "\\" + kPhases[phase];
    if (++ticks == kTicksUntilDrawn) {
        if (FILE* f = std::fopen((name + ".ready").c_str(), "w"))
            std::fclose(f);
    }
    if (++allTicks > kTicksAtMost)
        exitCode = 1;
    if (!Exists(name + ".done") && exitCode == 0)
        return;
    ticks = 0;
    if (++phase == 1 && exitCode == 0) {
        PostMessageA(frame, WM_SYSCOMMAND, SC_KEYMENU, 'e');
    } else {
        EndMenu();
        PostMessageA(frame, WM_CLOSE, 0, 0);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3)
        return 2;
    folder = argv[2];
    ScriptedPrompts prompts;
    QuilletApp app(prompts);
    if (!app.Start(SW_SHOW))
        return 3;
    frame = app.Frame().Handle();
    SetWindowPos(frame, HWND_TOP, 20, 20, 640, 420, SWP_SHOWWINDOW);
    app.OpenArguments({argv[1]});
    if (app.Doc().RowCount() == 0)
        return 4;
    PumpMessages(app.Frame());
    app.View().SelectAndEdit(1);
    SetTimer(nullptr, 0, 100, Tick);
    RunMessageLoop(app.Frame());
    return exitCode;
}
