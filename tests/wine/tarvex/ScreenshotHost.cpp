// Shows Tarvex's window with an archive until screenshot.sh has taken its pictures:
//   tarvex_screenshot_host <archive.rez> <folder>
// The views in turn (support/ScreenshotViews.h): the list in Details ("details") and in Large
// Icons ("large-icons"), the popup menu over the list ("popup"), the about box ("about") and
// the results of Edit > Find ("find").
#include <windows.h>

#include <commctrl.h>

#include "platform/win32/ui/MessageLoop.h"
#include "programs/tarvex/TarvexApp.h"
#include "resources/tarvex/resource.h"
#include "support/MemorySettings.h"
#include "support/RecordingProgress.h"
#include "support/ScreenshotViews.h"
#include "support/ScriptedPrompts.h"

namespace {

constexpr int kAboutView = 3;
constexpr int kFindView = 4;

HWND AboutBox() {
    return FindWindowA(reinterpret_cast<const char*>(WC_DIALOG), "About Tarvex");
}

void ShowView(CMainFrame& frame, int view) {
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
        case kAboutView:
            EndMenu();
            PostMessageA(frame.Handle(), WM_COMMAND, ID_APP_ABOUT, 0);
            break;
        case kFindView:
            if (HWND about = AboutBox())
                PostMessageA(about, WM_COMMAND, IDOK, 0);
            frame.List().ShowFound({"*.dtx", "*.txt"});
            ListView_SetItemState(frame.List().List(), 1, LVIS_SELECTED | LVIS_FOCUSED,
                                  LVIS_SELECTED | LVIS_FOCUSED);
            break;
    }
    frame.OnIdle();  // the toolbar shows the view mode
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3)
        return 2;
    ScriptedPrompts prompts;
    MemorySettings settings;  // the pictures never depend on an earlier run
    CTarvexApp app(prompts, settings, [] { return std::make_unique<RecordingProgress>(); });
    if (!app.StartUp({argv[1]}, SW_SHOW) || app.Doc().LastOpenFailed())
        return 3;
    CMainFrame& frame = app.Frame();
    SetWindowPos(frame.Handle(), HWND_TOP, 20, 20, 720, 480, SWP_SHOWWINDOW);
    // The root open in the tree with its folders expanded, one file selected in the list.
    RezFolder* root = app.Doc().Root();
    frame.Navigation().SelectFolder(root, true);
    for (RezFolder* sub : root->subfolders) {
        TreeView_Expand(frame.Tree().Tree(), reinterpret_cast<HTREEITEM>(sub->treeItem),
                        TVE_EXPAND);
    }
    ListView_SetItemState(frame.List().List(), 5, LVIS_SELECTED | LVIS_FOCUSED,
                          LVIS_SELECTED | LVIS_FOCUSED);
    frame.ActivatePane(frame.List());

    int view = 0;
    ScreenshotViews views(
        argv[2], {"details", "large-icons", "popup", "about", "find"},
        [&](int next) { ShowView(frame, view = next); },
        [&] { return view == kAboutView ? AboutBox() : frame.Handle(); },
        [&](int) {
            EndMenu();
            if (HWND about = AboutBox())
                PostMessageA(about, WM_COMMAND, IDOK, 0);
            PostMessageA(frame.Handle(), WM_CLOSE, 0, 0);
        });
    views.Start();
    RunMessageLoop(frame);
    return views.ExitCode();
}
