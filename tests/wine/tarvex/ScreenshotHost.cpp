// Shows Tarvex's window with an archive until screenshot.sh has taken its pictures:
//   tarvex_screenshot_host <archive.rez> <folder>
// The views in turn: the list in Details ("details") and in Large Icons ("large-icons"), the
// popup menu over the list ("popup") and the about box ("about"). For each the host writes
// <folder>/<name>.ready holding "left top width height" of what to take once it is drawn, and
// goes on when <folder>/<name>.done appears; it gives up after 30 seconds.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>

#include "app/win32/TarvexApp.h"
#include "platform/win32/ui/MessageLoop.h"
#include "resources/tarvex/resource.h"
#include "support/MemorySettings.h"
#include "support/RecordingProgress.h"
#include "support/ScriptedPrompts.h"

namespace {

constexpr int kTicksUntilDrawn = 5;
constexpr int kTicksAtMost = 300;
const char* const kViews[] = {"details", "large-icons", "popup", "about"};
constexpr int kViewCount = sizeof(kViews) / sizeof(kViews[0]);

CTarvexApp* app;
std::string folder;
int view = 0, ticks = 0, allTicks = 0, exitCode = 0;

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

HWND AboutBox() {
    return FindWindowA(reinterpret_cast<const char*>(WC_DIALOG), "About Tarvex");
}

// What the view's picture shows.
HWND Shown() {
    return view == 3 ? AboutBox() : app->Frame().Handle();
}

void ShowView() {
    CMainFrame& frame = app->Frame();
    switch (view) {
        case 1:
            frame.Commands().Run(ID_VIEW_LARGEICON);
            break;
        case 2: {
            frame.Commands().Run(ID_VIEW_DETAILS);
            RECT list;
            GetWindowRect(frame.List().List(), &list);
            PostMessageA(frame.Handle(), WM_CONTEXTMENU,
                         reinterpret_cast<WPARAM>(frame.List().List()),
                         MAKELPARAM(list.left + 120, list.top + 70));
            break;
        }
        case 3:
            EndMenu();
            PostMessageA(frame.Handle(), WM_COMMAND, ID_APP_ABOUT, 0);
            break;
    }
    frame.OnIdle();  // the toolbar shows the new view mode
}

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    const std::string name = folder + "\\" + kViews[view];
    if (++ticks == kTicksUntilDrawn) {
        RECT rect{};
        GetWindowRect(Shown(), &rect);
        if (FILE* f = std::fopen((name + ".ready").c_str(), "w")) {
            std::fprintf(f, "%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left,
                         rect.bottom - rect.top);
            std::fclose(f);
        }
    }
    if (++allTicks > kTicksAtMost)
        exitCode = 1;
    if (!Exists(name + ".done") && exitCode == 0)
        return;
    ticks = 0;
    if (++view < kViewCount && exitCode == 0) {
        ShowView();
        return;
    }
    EndMenu();
    if (HWND about = AboutBox())
        PostMessageA(about, WM_COMMAND, IDOK, 0);
    PostMessageA(app->Frame().Handle(), WM_CLOSE, 0, 0);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3)
        return 2;
    folder = argv[2];
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_COOL_CLASSES |
                                                        ICC_BAR_CLASSES | ICC_USEREX_CLASSES};
    InitCommonControlsEx(&controls);
    ScriptedPrompts prompts;
    MemorySettings settings;  // the pictures never depend on an earlier run
    CTarvexApp tarvex(prompts, settings, [] { return std::make_unique<RecordingProgress>(); });
    app = &tarvex;
    if (!tarvex.StartUp({argv[1]}, SW_SHOW) || tarvex.Doc().LastOpenFailed())
        return 3;
    CMainFrame& frame = tarvex.Frame();
    SetWindowPos(frame.Handle(), HWND_TOP, 20, 20, 720, 480, SWP_SHOWWINDOW);
    // A folder open in the tree, one file selected in the list.
    RezFolder* root = tarvex.Doc().Root();
    frame.Navigation().SelectFolder(root, true);
    for (RezFolder* sub : root->subfolders)
        TreeView_Expand(frame.Tree().Tree(), reinterpret_cast<HTREEITEM>(sub->treeItem),
                        TVE_EXPAND);
    ListView_SetItemState(frame.List().List(), 5, LVIS_SELECTED | LVIS_FOCUSED,
                          LVIS_SELECTED | LVIS_FOCUSED);
    frame.ActivatePane(frame.List());
    SetTimer(nullptr, 0, 100, Tick);
    RunMessageLoop(frame);
    return exitCode;
}
