#include "browser/win32/MainFrame.h"

#include <shellapi.h>

#include <utility>

#include "app/ShellFileType.h"
#include "app/StatusTotals.h"
#include "app/win32/RunningWindow.h"
#include "app/win32/ShellRegistration.h"
#include "browser/FrameLayout.h"
#include "browser/ListLabelEdit.h"
#include "browser/MenuTexts.h"
#include "browser/win32/transfer/Clipboard.h"
#include "resources/tarvex/resource.h"

namespace {

constexpr int kFileMenu = 0;
constexpr int kViewMenu = 2;
// Wakes the message loop at least once a second, so the status panes follow the model.
constexpr UINT_PTR kStatusTimer = 4096;
constexpr UINT kStatusPeriod = 1000;
// Neither pane of the splitter disappears under the other.
constexpr int kSmallestTree = 40;
// Room for a pane's borders around its text.
constexpr int kStatusPaneMargin = 12;
// Opens the archive another start handed over, once that start has its answer.
constexpr UINT kOpenHandedOverMessage = WM_APP + 1;

// Window placements are in the coordinates of the work area of the window's monitor.
WorkAreaOffset WorkAreaOffsetOf(HMONITOR monitor) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (!GetMonitorInfoA(monitor, &info))
        return {};
    return {info.rcWork.left - info.rcMonitor.left, info.rcWork.top - info.rcMonitor.top};
}

}  // namespace

CMainFrame::CMainFrame(CTarvexDoc& doc, Win32DocumentHost& host)
    : FrameWindow(IDR_MAINFRAME),
      doc_(doc),
      host_(host),
      icons_(images_),
      tree_(doc, icons_),
      list_(doc, tree_, icons_, images_, ReadViewMode(host.Profile())),
      splitter_(tree_, list_, SplitterLayout(kTreePaneWidth, kSmallestTree, kListPaneWidth)),
      navigator_(doc.Folders(), icons_, *this),
      drops_(doc) {
    tree_.onSelectionChanged = [this](RezFolder* folder) { OnTreeSelectionChanged(folder); };
    tree_.onRename = [this](RezFolder* folder, const std::string& name) {
        if (!CommitFolderLabel(doc_, folder, name))
            return false;
        list_.RefreshList();
        return true;
    };
    list_.modelBusy = [this] { return host_.JobsRunning(); };
    list_.onOpenFolder = [this](RezFolder* folder) { navigator_.SelectFolder(folder, true); };
    list_.onFolderRenamed = [this](RezFolder* folder) { tree_.FolderRenamed(folder); };
    location_.onItemChosen = [this](int index) { navigator_.ChooseLocationItem(index); };
    location_.onEnter = [this] { navigator_.NavigateToPath(location_.EditText(), true); };
}

bool CMainFrame::Create() {
    if (!FrameWindow::Create(splitter_) || !SetContextMenu(IDR_CONTEXT_MENU))
        return false;
    if (!location_.Create(Bars().Handle(), images_.Small()) ||
        !Bars().AddBand(location_.Handle(), location_.BandSize(), RBBS_BREAK | RBBS_FIXEDBMP)) {
        return false;
    }
    dropTarget_ = std::make_unique<DropTargetRegistration>(Handle(), dropEvents_);
    SetMinimumSize({kMinimumTrackWidth, kMinimumTrackHeight});
    SetWideMenuPrompts(true);
    TreeView_SetImageList(tree_.Tree(), images_.Small(), TVSIL_NORMAL);
    Status().SetPanes({0, 0});
    SetTimer(Status().Handle(), kStatusTimer, kStatusPeriod, nullptr);

    HMENU bar = GetMenu(Handle());
    goToMenu_ = GetSubMenu(GetSubMenu(bar, kViewMenu), kGoToMenuIndex);
    if (goToMenu_ == nullptr || !recentMenu_.Attach(Menu(), GetSubMenu(bar, kFileMenu)))
        return false;
    recent_.Read(host_.Profile());
    ShowRecentFiles();
    AddCommands();

    const WindowPlacement screen = ReadPlacement(host_.Profile());
    const RECT onScreen{screen.x, screen.y, screen.x + screen.width, screen.y + screen.height};
    const WindowPlacement stored =
        ToWorkspace(screen, WorkAreaOffsetOf(MonitorFromRect(&onScreen, MONITOR_DEFAULTTONEAREST)));
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    placement.showCmd = SW_HIDE;
    placement.rcNormalPosition = {stored.x, stored.y, stored.x + stored.width,
                                  stored.y + stored.height};
    SetWindowPlacement(Handle(), &placement);
    UpdateAllViews();
    UpdateStatusPanes();
    return true;
}

void CMainFrame::UpdateAllViews() {
    tree_.RebuildTree();
    list_.ShowFolder(doc_.Root());
    totalCount_ = doc_.TotalEntryCount();
    totalSize_ = doc_.TotalEntrySize();
    SetDocumentName(doc_.Title());
}

void CMainFrame::DocumentRenewed() {
    // As after Open: no visit, no selection; the list shows the root.
    navigator_.Clear();
}

void CMainFrame::JobCompleted(const ArchiveJob& job) {
    recent_.Add(job.path);
    recent_.Write(host_.Profile());
    ShowRecentFiles();
    if (job.kind == JobOpen && !job.failed)
        navigator_.Clear();
}

void CMainFrame::OnTreeSelectionChanged(RezFolder* folder) {
    list_.ShowFolder(folder);
    navigator_.TreeSelectionChanged(folder);
}

void CMainFrame::SelectTreeFolder(RezFolder* folder) {
    tree_.SelectFolder(folder);
    // From the results to the folder the tree has selected already: no change tells it.
    if (list_.Rows().ShowsFound())
        list_.ShowFolder(tree_.SelectedFolder());
}

void CMainFrame::ShowRecentFiles() {
    recentMenu_.Show(recent_.Paths());
}

void CMainFrame::BuildGoToMenu() {
    for (UINT id = kCommandFirstGoToItem; id <= kCommandLastGoToItem; ++id)
        Menu().RemoveItem(goToMenu_, id);
    const GoToMenu visits = navigator_.History().BuildGoToMenu();
    goToChecked_ = visits.checked;
    for (size_t i = 0; i < visits.paths.size(); ++i) {
        Menu().InsertItem(goToMenu_, -1, kCommandFirstGoToItem + static_cast<UINT>(i),
                          MenuItemText(visits.paths[i]));
    }
    DrawMenuBar(Handle());
}

void CMainFrame::UpdateStatusPanes() {
    // While a job runs the model is the worker's.
    if (host_.JobsRunning())
        return;
    if (list_.SelectionVersion() != selectionVersion_) {
        selectionVersion_ = list_.SelectionVersion();
        selectionText_ = SelectedPaneText(list_.Rows().SelectionTotals(list_.SelectedRows()));
    }
    const std::string totals = TotalPaneText(totalCount_, totalSize_);
    StatusBar& status = Status();
    if (status.PaneText(1) == selectionText_ && status.PaneText(2) == totals)
        return;
    totalsText_ = totals;
    // Each pane as wide as its text.
    HWND bar = status.Handle();
    WindowDC dc(bar);
    SelectedObject font(dc.Get(), reinterpret_cast<HFONT>(SendMessageA(bar, WM_GETFONT, 0, 0)));
    auto width = [&dc](const std::string& text) {
        SIZE size{};
        GetTextExtentPoint32A(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
        return static_cast<int>(size.cx) + kStatusPaneMargin;
    };
    status.SetPanes({width(selectionText_), width(totalsText_)});
    status.SetPaneText(1, selectionText_);
    status.SetPaneText(2, totalsText_);
}

void CMainFrame::OnIdle() {
    FrameWindow::OnIdle();
    UpdateStatusPanes();
}

void CMainFrame::SavePlacement() {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (!GetWindowPlacement(Handle(), &placement))
        return;
    const RECT& normal = placement.rcNormalPosition;
    const WindowPlacement workspace{normal.left, normal.top, normal.right - normal.left,
                                    normal.bottom - normal.top};
    WritePlacement(host_.Profile(), ToScreen(workspace, WorkAreaOffsetOf(MonitorFromWindow(
                                                            Handle(), MONITOR_DEFAULTTONEAREST))));
}

void CMainFrame::DeleteTemporaryFiles() {
    for (const std::string& path : doc_.TakeTemporaryFiles()) {
        const std::string from = path + std::string(2, '\0');
        SHFILEOPSTRUCTA operation{};
        operation.hwnd = Handle();
        operation.wFunc = FO_DELETE;
        operation.pFrom = from.c_str();
        operation.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOERRORUI;
        SHFileOperationA(&operation);
    }
}

void CMainFrame::OpenHandedOver() {
    const std::string archive = std::exchange(handedOver_, {});
    if (IsIconic(Handle()))
        ShowWindow(Handle(), SW_RESTORE);
    SetForegroundWindow(Handle());
    doc_.OpenFile(archive);
}

std::string CMainFrame::HelpFilePath() {
    return HelpFileFromIconValue(RegisteredIconValue());
}

bool CMainFrame::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_COPYDATA: {
            const std::optional<std::string> archive =
                HandedOverArchive(*reinterpret_cast<const COPYDATASTRUCT*>(lParam));
            // Busy with a dialog or a job: the other start opens a window of its own.
            result =
                archive && IsWindowEnabled(Handle()) && !host_.JobsRunning() && handedOver_.empty();
            if (result) {
                handedOver_ = *archive;
                PostMessageA(Handle(), kOpenHandedOverMessage, 0, 0);
            }
            return true;
        }
        case kOpenHandedOverMessage:
            OpenHandedOver();
            result = 0;
            return true;
        case kJobCompletedMessage:
            if (IsWindowVisible(Handle()))
                SetForegroundWindow(Handle());
            doc_.CompleteJob(Win32DocumentHost::TakeCompletedJob(wParam));
            result = 0;
            return true;
        case WM_INITMENUPOPUP:
            if (reinterpret_cast<HMENU>(wParam) == goToMenu_)
                BuildGoToMenu();
            return false;  // the frame sets the items' states
        case WM_CLOSE:
            DeleteTemporaryFiles();
            if (!doc_.PromptSaveChanges()) {
                result = 0;
                return true;
            }
            return false;
        case WM_DESTROY:
            TakeHandedOverArchives(Handle(), false);
            // A job still running would post to a window that is gone.
            doc_.FinishJobs();
            // A payload left on the clipboard names nothing once the program is gone; others
            // refuse it.
            FlushClipboard();
            KillTimer(Status().Handle(), kStatusTimer);
            SavePlacement();
            return false;
    }
    return false;
}
