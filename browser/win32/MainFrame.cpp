#include "browser/win32/MainFrame.h"

#include <shellapi.h>

#include <utility>

#include "app/ShellFileType.h"
#include "app/win32/RunningWindow.h"
#include "app/win32/ShellRegistration.h"
#include "browser/FrameLayout.h"
#include "browser/win32/FramePlacement.h"
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
// Opens the archive another start handed over, once that start has its answer.
constexpr UINT kOpenHandedOverMessage = WM_APP + 1;

}  // namespace

CMainFrame::CMainFrame(CTarvexDoc& doc, Win32DocumentHost& host)
    : FrameWindow(IDR_MAINFRAME),
      doc_(doc),
      host_(host),
      icons_(images_),
      tree_(paneLinks_, icons_, images_),
      list_(paneLinks_, icons_, images_, ReadViewMode(host.Profile())),
      splitter_(tree_, list_, SplitterLayout(kTreePaneWidth, kSmallestTree, kListPaneWidth)),
      navigator_(doc.Folders(), icons_, navigationLinks_),
      drops_(doc) {
    location_.onItemChosen = [this](int index) { navigator_.ChooseLocationItem(index); };
    location_.onEnter = [this] { navigator_.NavigateToPath(location_.EditText(), true); };
}

bool CMainFrame::Create() {
    if (!FrameWindow::Create(splitter_) || !SetContextMenu(IDR_CONTEXT_MENU))
        return false;
    if (!location_.Create(Bars().Handle(), images_.Small()) ||
        !Bars().AddBand(location_.Handle(), location_.BandSize(), RBBS_BREAK | RBBS_FIXEDBMP))
        return false;
    dropTarget_ = std::make_unique<DropTargetRegistration>(Handle(), dropEvents_);
    SetMinimumSize({kMinimumTrackWidth, kMinimumTrackHeight});
    SetWideMenuPrompts(true);
    Status().SetPanes({0, 0});
    SetTimer(Status().Handle(), kStatusTimer, kStatusPeriod, nullptr);

    HMENU bar = GetMenu(Handle());
    HMENU goTo = GetSubMenu(GetSubMenu(bar, kViewMenu), kGoToMenuIndex);
    if (goTo == nullptr || !recentMenu_.Attach(Menu(), GetSubMenu(bar, kFileMenu)))
        return false;
    historyMenu_.Attach(Menu(), goTo);
    recent_.Read(host_.Profile());
    ShowRecentFiles();
    AddCommands();

    RestoreFramePlacement(Handle(), host_.Profile());
    documentLinks_.UpdateAllViews();
    UpdateStatusPanes();
    return true;
}

void CMainFrame::ShowRecentFiles() {
    recentMenu_.Show(recent_.Paths());
}

void CMainFrame::UpdateStatusPanes() {
    // While a job runs the model is the worker's.
    if (!host_.JobsRunning())
        statusPanes_.Update(Status(), list_);
}

void CMainFrame::OnIdle() {
    FrameWindow::OnIdle();
    UpdateStatusPanes();
}

void CMainFrame::DeleteTemporaryFiles() {
    for (const std::string& path : doc_.Extraction().TakeTemporaryFiles()) {
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
            if (reinterpret_cast<HMENU>(wParam) == historyMenu_.Handle())
                historyMenu_.Show(navigator_.History(), Handle());
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
            SaveFramePlacement(Handle(), host_.Profile());
            return false;
    }
    return false;
}
