// How long Tarvex's window takes to open a large archive and show one large folder of it, and
// to sort that folder by each column; run under Wine by run.sh, which compares the first with
// the native `tarvex /L` of the same archive. Prints the times; not a test.
//   window_bench <archive.rez> <folder path, with the root's name>
#include <windows.h>

#include <commctrl.h>

#include <chrono>
#include <cstdio>

#include "app/win32/TarvexApp.h"
#include "platform/win32/ui/MessageLoop.h"
#include "support/MemorySettings.h"
#include "support/RecordingProgress.h"
#include "support/ScriptedPrompts.h"

namespace {

constexpr int kRounds = 3;

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Clicks a column's header as the user does, and lets the list draw the rows it shows.
void ClickHeader(CMainFrame& frame, int column) {
    HWND header = ListView_GetHeader(frame.List().List());
    RECT item{};
    Header_GetItemRect(header, column, &item);
    const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(header, WM_LBUTTONUP, 0, at);
    UpdateWindow(frame.List().List());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3)
        return 2;
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_COOL_CLASSES |
                                                        ICC_BAR_CLASSES | ICC_USEREX_CLASSES};
    InitCommonControlsEx(&controls);
    ScriptedPrompts prompts;
    MemorySettings settings;
    // The shell's progress window is the shell's: the bench times the window's own work.
    CTarvexApp app(prompts, settings, [] { return std::make_unique<RecordingProgress>(); });
    if (!app.StartUp({}, SW_SHOWNOACTIVATE))
        return 3;
    CMainFrame& frame = app.Frame();
    SetWindowPos(frame.Handle(), HWND_TOP, 0, 0, 800, 600, SWP_NOACTIVATE);
    PumpMessages(frame);

    double best = 1e9;
    int rows = 0;
    for (int round = 0; round < kRounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        app.Doc().OpenDocument(argv[1]);
        app.Doc().FinishJobs();
        if (app.Doc().LastOpenFailed() || !frame.Navigation().NavigateToPath(argv[2], true))
            return 4;
        UpdateWindow(frame.Handle());
        PumpMessages(frame);
        best = std::min(best, SecondsSince(start));
        rows = ListView_GetItemCount(frame.List().List());
    }
    std::printf("open %s and show %s (%d rows): %.3f s (best of %d)\n", argv[1], argv[2], rows,
                best, kRounds);

    std::printf("sort the folder by %-10s %12s %12s\n", "", "ascending", "descending");
    for (int column = 0; column < kListColumnCount; ++column) {
        double times[2] = {1e9, 1e9};
        for (int round = 0; round < 2 * kRounds; ++round) {
            const auto start = std::chrono::steady_clock::now();
            ClickHeader(frame, column);
            double& slot = times[frame.List().Rows().SortAscending() ? 0 : 1];
            slot = std::min(slot, SecondsSince(start));
        }
        std::printf("  %-30s %9.1f ms %9.1f ms\n", kListColumns[column].title, times[0] * 1e3,
                    times[1] * 1e3);
    }
    std::fflush(stdout);
    return 0;
}
