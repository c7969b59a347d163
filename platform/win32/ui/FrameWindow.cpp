#include "platform/win32/ui/FrameWindow.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "platform/win32/ui/BarVisibility.h"
#include "platform/win32/ui/FrameCommands.h"
#include "platform/win32/ui/ResourceText.h"

namespace {

// Keys an edit box needs for itself, even where the menu has accelerators for them.
bool IsEditingKey(const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN)
        return false;
    char className[16] = "";
    GetClassNameA(message.hwnd, className, sizeof(className));
    if (lstrcmpiA(className, "Edit") != 0)
        return false;
    const bool control = GetKeyState(VK_CONTROL) < 0;
    switch (message.wParam) {
        case VK_DELETE:
        case VK_INSERT:
        case VK_BACK:
            return true;
        case 'A':
        case 'C':
        case 'V':
        case 'X':
        case 'Z':
            return control;
    }
    return false;
}

// The classes of the bars and of every pane a frame may hold (tree, list, header, combo box
// with images), so no program or test host has to remember them.
void RegisterControlClasses() {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_COOL_CLASSES |
                                                        ICC_BAR_CLASSES | ICC_USEREX_CLASSES};
    InitCommonControlsEx(&controls);
}

}  // namespace

bool FrameWindow::Create(Pane& root) {
    RegisterControlClasses();
    HINSTANCE instance = GetModuleHandleA(nullptr);
    title_ = ResourceText(resourceId_, 0);
    accelerators_ = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(resourceId_));
    HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(resourceId_));
    const std::string className = title_ + "Frame";
    if (!CreateOfClass(className.c_str(), icon, 0, title_.c_str(),
                       WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, nullptr, nullptr))
        return false;
    if (!CreateBars() || !root.Create(Handle(), *this))
        return false;
    root_ = &root;
    active_ = LeafPanes().front();

    commands_.Add(ID_APP_EXIT, [this] { PostMessageA(Handle(), WM_CLOSE, 0, 0); });
    // The toolbar's own band: the rebar may hold others, such as a location bar.
    commands_.Add(
        ID_VIEW_TOOLBAR,
        [this] {
            rebar_.ShowBand(toolbar_.Handle(), !rebar_.IsBandShown(toolbar_.Handle()));
            BandsChanged();
        },
        CheckedWhen([this] { return rebar_.IsBandShown(toolbar_.Handle()); }));
    commands_.Add(
        ID_VIEW_STATUS_BAR, [this] { ShowBar(status_.Handle(), !IsBarShown(status_.Handle())); },
        CheckedWhen([this] { return IsBarShown(status_.Handle()); }));
    Layout();
    return true;
}

bool FrameWindow::CreateBars() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!rebar_.Create(Handle()) || !toolbar_.Create(rebar_.Handle(), instance, resourceId_) ||
        !rebar_.AddBand(toolbar_.Handle(), toolbar_.IdealSize()) || !status_.Create(Handle()))
        return false;
    rebar_.onHeightChange = [this] { Layout(); };
    toolbar_.onHotItem = [this](UINT command) { ShowPrompt(command); };
    status_.ShowKeyIndicators();
    status_.SetMessage(ResourceText(IDS_IDLE_MESSAGE, 0));
    if (!menu_.Load(instance, resourceId_, toolbar_.Images(), toolbar_.Layout()))
        return false;
    SetMenu(Handle(), menu_.Release());
    return true;
}

void FrameWindow::SetDocumentName(const std::string& name) {
    const std::string text = name.empty() ? title_ : name + " - " + title_;
    SetWindowTextA(Handle(), text.c_str());
}

std::vector<Pane*> FrameWindow::LeafPanes() const {
    std::vector<Pane*> leaves;
    if (root_ != nullptr)
        root_->AddLeaves(leaves);
    return leaves;
}

void FrameWindow::ActivatePane(Pane& pane) {
    active_ = &pane;
    pane.Focus();
}

void FrameWindow::FocusNextPane(bool backwards) {
    const std::vector<Pane*> leaves = LeafPanes();
    if (leaves.empty())
        return;
    const size_t count = leaves.size();
    const size_t current = std::find(leaves.begin(), leaves.end(), active_) - leaves.begin();
    size_t next = backwards ? count - 1 : 0;
    if (current < count)
        next = (current + (backwards ? count - 1 : 1)) % count;
    ActivatePane(*leaves[next]);
}

bool FrameWindow::SetContextMenu(int menuId) {
    if (!menu_.LoadPopup(GetModuleHandleA(nullptr), menuId))
        return false;
    contextMenu_ = menuId;
    return true;
}

void FrameWindow::ShowContextMenu(POINT screen) {
    if (contextMenu_ != 0)
        menu_.TrackPopup(contextMenu_, Handle(), screen);
}

void FrameWindow::AddModelessDialog(HWND dialog) {
    modeless_.push_back(dialog);
}

void FrameWindow::RemoveModelessDialog(HWND dialog) {
    modeless_.erase(std::remove(modeless_.begin(), modeless_.end(), dialog), modeless_.end());
}

bool FrameWindow::PreTranslateMessage(MSG& message) {
    for (HWND dialog : modeless_)
        if (IsDialogMessageA(dialog, &message))
            return true;
    // With one pane there is nowhere for F6 to go; the key stays with the control.
    if (message.message == WM_KEYDOWN && message.wParam == VK_F6 &&
        IsChild(Handle(), message.hwnd) && LeafPanes().size() > 1) {
        FocusNextPane(GetKeyState(VK_SHIFT) < 0);
        return true;
    }
    return accelerators_ != nullptr && !IsEditingKey(message) &&
           TranslateAcceleratorA(Handle(), accelerators_, &message) != 0;
}

void FrameWindow::OnIdle() {
    toolbar_.UpdateStates(commands_);
    status_.UpdateIndicators();
}

std::string FrameWindow::ResourceText(UINT id, int part) const {
    return LoadResourceText(GetModuleHandleA(nullptr), id, part);
}

void FrameWindow::Layout() {
    RECT client;
    GetClientRect(Handle(), &client);
    SendMessageA(rebar_.Handle(), WM_SIZE, 0, 0);
    status_.Resize();
    if (root_ == nullptr)
        return;
    const LONG top = rebar_.Height();
    const LONG bottom = std::max(top, client.bottom - status_.Height());
    WindowPositions positions(1);
    root_->Place(positions, {0, top, client.right, bottom});
}

void FrameWindow::BandsChanged() {
    // A rebar without a band shown takes no room at all.
    ShowBar(rebar_.Handle(), rebar_.AnyBandShown());
}

void FrameWindow::ShowBar(HWND bar, bool show) {
    ShowWindow(bar, show ? SW_SHOW : SW_HIDE);
    Layout();
}

void FrameWindow::UpdatePopup(HMENU popup) {
    const int count = GetMenuItemCount(popup);
    for (int i = 0; i < count; ++i) {
        const UINT id = GetMenuItemID(popup, i);
        if (id == 0 || id == static_cast<UINT>(-1))
            continue;  // separator or submenu
        const CommandState state = commands_.State(id);
        EnableMenuItem(popup, i, MF_BYPOSITION | (state.enabled ? MF_ENABLED : MF_GRAYED));
        CheckMenuItem(popup, i, MF_BYPOSITION | (state.checked ? MF_CHECKED : MF_UNCHECKED));
    }
}

void FrameWindow::ShowPrompt(UINT id) {
    status_.SetMessage(id == 0 ? ResourceText(IDS_IDLE_MESSAGE, 0) : ResourceText(id, 0));
}

void FrameWindow::OnMenuSelect(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == 0xFFFF && lParam == 0) {
        ShowPrompt(0);
        status_.SetMenuMode(false);
    } else if (!(HIWORD(wParam) & (MF_POPUP | MF_SEPARATOR))) {
        ShowPrompt(LOWORD(wParam));
    } else {
        status_.SetMessage("");
    }
}

bool FrameWindow::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

LRESULT FrameWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (OnMessage(message, wParam, lParam, result))
        return result;
    switch (message) {
        case WM_COMMAND:
            if (lParam == 0 || HIWORD(wParam) == BN_CLICKED) {
                commands_.Run(LOWORD(wParam));
                return 0;
            }
            break;
        case WM_INITMENUPOPUP:
            UpdatePopup(reinterpret_cast<HMENU>(wParam));
            if (wideMenuPrompts_)
                status_.SetMenuMode(true);
            return 0;
        case WM_MENUSELECT:
            OnMenuSelect(wParam, lParam);
            return 0;
        case WM_EXITMENULOOP:
            status_.SetMenuMode(false);
            return 0;
        case WM_MEASUREITEM:
            if (menu_.OnMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)))
                return TRUE;
            break;
        case WM_DRAWITEM:
            if (menu_.OnDrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam)))
                return TRUE;
            break;
        case WM_MENUCHAR:
            if (menu_.OnMenuChar(static_cast<char>(LOWORD(wParam)), reinterpret_cast<HMENU>(lParam),
                                 result))
                return result;
            break;
        case WM_CONTEXTMENU:
            if (contextMenu_ != 0) {
                POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
                if (at.x == -1 && at.y == -1) {
                    // From the keyboard: at the top left of the focused control.
                    at = {8, 8};
                    ClientToScreen(GetFocus() != nullptr ? GetFocus() : Handle(), &at);
                }
                ShowContextMenu(at);
                return 0;
            }
            break;
        case WM_GETMINMAXINFO: {
            POINT& smallest = reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize;
            smallest.x = std::max(smallest.x, minimumSize_.cx);
            smallest.y = std::max(smallest.y, minimumSize_.cy);
            return 0;
        }
        case WM_SIZE:
            Layout();
            return 0;
        case WM_SETFOCUS:
            if (active_ != nullptr)
                active_->Focus();
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return Window::HandleMessage(message, wParam, lParam);
}
