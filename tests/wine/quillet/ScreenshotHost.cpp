// Shows Quillet's window with a loaded table until screenshot.sh has taken its picture:
//   quillet_screenshot_host <module.dll> <list|menu> <ready-file> <done-file>
// "list" opens a text for editing, "menu" drops the Edit menu down. The host writes
// ready-file once the window is drawn and closes when done-file appears (30 s at most).
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>

#include "platform/win32/ui/MessageLoop.h"
#include "stringedit/win32/QuilletApp.h"
#include "support/ScriptedPrompts.h"

namespace {

std::string readyFile, doneFile;
HWND frame;
int ticks = 0;
int exitCode = 0;

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    ++ticks;
    if (ticks == 10) {
        if (FILE* f = std::fopen(readyFile.c_str(), "w"))
            std::fclose(f);
    }
    if (Exists(doneFile) || ticks > 300) {
        if (ticks > 300)
            exitCode = 1;
        EndMenu();
        PostMessageA(frame, WM_CLOSE, 0, 0);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5)
        return 2;
    readyFile = argv[3];
    doneFile = argv[4];
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_COOL_CLASSES};
    InitCommonControlsEx(&controls);
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
    if (std::string(argv[2]) == "menu") {
        PostMessageA(frame, WM_SYSCOMMAND, SC_KEYMENU, 'e');
    } else {
        ListView_SetItemState(app.View().List(), 3, LVIS_SELECTED, LVIS_SELECTED);
        app.View().SelectAndEdit(1);
    }
    SetTimer(nullptr, 0, 100, Tick);
    RunMessageLoop(app.Frame());
    return exitCode;
}
