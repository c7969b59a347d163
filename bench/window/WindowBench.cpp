// How long Tarvex's window takes to open a large archive and show one large folder of it, to
// sort that folder by each column, and to answer each step of a drag of all that folder's rows
// over the list and the tree; run under Wine by run.sh, which compares the first with the
// native `tarvex /L` of the same archive. Prints the times; not a test.
//   window_bench <archive.rez> <folder path, with the root's name> [large]
// "large" shows the folder in Large Icons, where textures are drawn as their pictures.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "app/MovePayload.h"
#include "browser/win32/transfer/DataSource.h"
#include "browser/win32/transfer/DropTargetAdaptor.h"
#include "platform/win32/ui/MessageLoop.h"
#include "programs/tarvex/TarvexApp.h"
#include "resources/tarvex/resource.h"
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

// The drag's enter, and the longest and the mean time of one drag-over step.
struct StepTimes {
    double enter = 0;
    double longest = 0;
    double total = 0;
    int steps = 0;
};

// Drags data over the pane from its top to its bottom, one step every 4 pixels, the way OLE
// calls the pane's drop target while the mouse moves.
StepTimes DragDown(HWND pane, DropTargetEvents& events, IDataObject* data) {
    const ComPtr<DropTargetAdaptor> target = Make<DropTargetAdaptor>(pane, events);
    RECT client{};
    GetClientRect(pane, &client);
    POINT at{40, 0};
    ClientToScreen(pane, &at);
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    StepTimes times;
    const auto entered = std::chrono::steady_clock::now();
    target->DragEnter(data, MK_LBUTTON, {at.x, at.y}, &effect);
    times.enter = SecondsSince(entered);
    for (int y = 0; y < client.bottom; y += 4) {
        const auto start = std::chrono::steady_clock::now();
        effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        target->DragOver(MK_LBUTTON, {at.x, at.y + y}, &effect);
        const double step = SecondsSince(start);
        times.longest = std::max(times.longest, step);
        times.total += step;
        ++times.steps;
    }
    target->DragLeave();
    return times;
}

void PrintSteps(const char* pane, const StepTimes& times) {
    std::printf("  over the %-27s %9.2f ms %9.2f ms (%d steps; the enter %.1f ms)\n", pane,
                times.longest * 1e3, times.total / times.steps * 1e3, times.steps,
                times.enter * 1e3);
}

// Drags every entry of the shown folder, as a selection of all its rows does, over both panes.
void TimeDrag(CMainFrame& frame) {
    RezFolder* shown = frame.List().Rows().ShownFolder();
    std::vector<const RezEntry*> entries;
    for (const RezEntry& entry : shown->entries)
        entries.push_back(&entry);
    const std::vector<std::uint8_t> payload = EncodeSelectionPayload({}, shown, entries);
    const ComPtr<DataSource> data = Make<DataSource>();
    data->Put(MovePayloadFormat(), payload.data(), payload.size());
    // Folders of 1,000 entries under the pointer too, not only empty ones.
    HWND tree = frame.Tree().Tree();
    for (HTREEITEM item = TreeView_GetChild(tree, TreeView_GetRoot(tree)); item;
         item = TreeView_GetNextSibling(tree, item))
        TreeView_Expand(tree, item, TVE_EXPAND);
    UpdateWindow(frame.Handle());
    std::printf("drag %zu rows, one drag-over step   %12s %12s (target under 5 ms)\n",
                entries.size(), "longest", "mean");
    PrintSteps("file list", DragDown(frame.List().List(), frame.List().DropEvents(), data.Get()));
    PrintSteps("folder tree", DragDown(tree, frame.Tree().DropEvents(), data.Get()));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4)
        return 2;
    ScriptedPrompts prompts;
    MemorySettings settings;
    // The shell's progress window is the shell's: the bench times the window's own work.
    CTarvexApp app(prompts, settings, [] { return std::make_unique<RecordingProgress>(); });
    if (!app.StartUp({}, SW_SHOWNOACTIVATE))
        return 3;
    CMainFrame& frame = app.Frame();
    SetWindowPos(frame.Handle(), HWND_TOP, 0, 0, 800, 600, SWP_NOACTIVATE);
    PumpMessages(frame);
    if (argc == 4 && std::string(argv[3]) == "large")
        frame.Commands().Run(ID_VIEW_LARGEICON);

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
    TimeDrag(frame);
    std::fflush(stdout);
    return 0;
}
