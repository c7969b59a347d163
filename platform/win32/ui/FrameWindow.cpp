#include "platform/win32/ui/FrameWindow.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/win32/ui/BarVisibility.h"
#include "platform/win32/ui/FrameCommands.h"

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

}  // namespace

bool FrameWindow::Create(View& view) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    title_ = ResourceText(resourceId_, 0);
    view_ = &view;
    accelerators_ = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(resourceId_));
    HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(resourceId_));
    const std::string className = title_ + "Frame";
    if (!CreateOfClass(className.c_str(), icon, 0, title_.c_str(),
                       WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, nullptr, nullptr)) {
        return false;
    }
    if (!CreateBars())
        return false;
    viewHwnd_ = view.Create(Handle());
    if (viewHwnd_ == nullptr)
        return false;

    commands_.Add(ID_APP_EXIT, [this] { PostMessageA(Handle(), WM_CLOSE, 0, 0); });
    commands_.Add(
        ID_VIEW_TOOLBAR, [this] { ShowBar(rebar_.Handle(), !IsBarShown(rebar_.Handle())); },
        CheckedWhen([this] { return IsBarShown(rebar_.Handle()); }));
    commands_.Add(
        ID_VIEW_STATUS_BAR, [this] { ShowBar(status_.Handle(), !IsBarShown(status_.Handle())); },
        CheckedWhen([this] { return IsBarShown(status_.Handle()); }));
    Layout();
    return true;
}

bool FrameWindow::CreateBars() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!rebar_.Create(Handle()) || !toolbar_.Create(rebar_.Handle(), instance, resourceId_) ||
        !rebar_.AddBand(toolbar_.Handle(), toolbar_.IdealSize()) || !status_.Create(Handle())) {
        return false;
    }
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

void FrameWindow::AddModelessDialog(HWND dialog) {
    modeless_.push_back(dialog);
}

void FrameWindow::RemoveModelessDialog(HWND dialog) {
    modeless_.erase(std::remove(modeless_.begin(), modeless_.end(), dialog), modeless_.end());
}

bool FrameWindow::PreTranslateMessage(MSG& message) {
    for (HWND dialog : modeless_) {
        if (IsDialogMessageA(dialog, &message))
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
    char text[512] = "";
    LoadStringA(GetModuleHandleA(nullptr), id, text, sizeof(text));
    std::string all = text;
    const size_t newline = all.find('\n');
    if (part == 0)
        return all.substr(0, newline);
    return newline == std::string::npos ? std::string() : all.substr(newline + 1);
}

void FrameWindow::Layout() {
    RECT client;
    GetClientRect(Handle(), &client);
    SendMessageA(rebar_.Handle(), WM_SIZE, 0, 0);
    status_.Resize();
    const int top = rebar_.Height();
    const int bottom = client.bottom - status_.Height();
    if (viewHwnd_ != nullptr) {
        MoveWindow(viewHwnd_, 0, top, client.right, std::max(0, bottom - top), TRUE);
    }
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

bool FrameWindow::OnNotify(NMHDR& header, LRESULT& result) {
    if (header.code == TTN_GETDISPINFOA) {
        auto& info = reinterpret_cast<NMTTDISPINFOA&>(header);
        tip_ = ResourceText(static_cast<UINT>(header.idFrom), 1);
        info.lpszText = tip_.data();
        return true;
    }
    if (header.hwndFrom == toolbar_.Handle() && header.code == TBN_HOTITEMCHANGE) {
        const auto& hot = reinterpret_cast<NMTBHOTITEM&>(header);
        ShowPrompt((hot.dwFlags & HICF_LEAVING) ? 0 : static_cast<UINT>(hot.idNew));
        return false;
    }
    if (header.hwndFrom == rebar_.Handle() && header.code == RBN_HEIGHTCHANGE) {
        Layout();
        return true;
    }
    return view_ != nullptr && view_->OnNotify(header, result);
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
            return 0;
        case WM_MENUSELECT:
            if (HIWORD(wParam) == 0xFFFF && lParam == 0) {
                ShowPrompt(0);
            } else if (!(HIWORD(wParam) & (MF_POPUP | MF_SEPARATOR))) {
                ShowPrompt(LOWORD(wParam));
            } else {
                status_.SetMessage("");
            }
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
                                 result)) {
                return result;
            }
            break;
        case WM_NOTIFY:
            if (OnNotify(*reinterpret_cast<NMHDR*>(lParam), result))
                return result;
            break;
        case WM_SIZE:
            Layout();
            return 0;
        case WM_SETFOCUS:
            if (viewHwnd_ != nullptr)
                SetFocus(viewHwnd_);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return Window::HandleMessage(message, wParam, lParam);
}
