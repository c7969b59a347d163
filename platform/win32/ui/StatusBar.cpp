#include "platform/win32/ui/StatusBar.h"

#include <commctrl.h>

#include <iterator>

#include "platform/layout/StatusPanes.h"
#include "platform/win32/ui/BarVisibility.h"

namespace {

struct Indicator {
    int key;
    const char* text;
};
constexpr Indicator kIndicators[] = {{VK_CAPITAL, "CAP"}, {VK_NUMLOCK, "NUM"}, {VK_SCROLL, "SCRL"}};
constexpr int kIndicatorWidth = 40;
// The pane index of the text shown in simple mode.
constexpr WPARAM kSimplePane = 255;

}  // namespace

bool StatusBar::Create(HWND parent) {
    hwnd_ = CreateWindowExA(0, STATUSCLASSNAMEA, nullptr,
                            WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SBARS_SIZEGRIP, 0, 0, 0, 0,
                            parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (hwnd_ == nullptr)
        return false;
    Resize();
    return true;
}

void StatusBar::SetPanes(std::vector<int> widths) {
    widths_ = std::move(widths);
    indicators_ = false;
    Resize();
    for (size_t pane = 1; pane <= widths_.size(); ++pane)
        SetPaneText(static_cast<int>(pane), "");
}

void StatusBar::ShowKeyIndicators() {
    SetPanes(std::vector<int>(std::size(kIndicators), kIndicatorWidth));
    indicators_ = true;
}

void StatusBar::SetPaneText(int pane, const std::string& text) {
    SendMessageA(hwnd_, SB_SETTEXTA, pane, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string StatusBar::PaneText(int pane) const {
    const LRESULT length = SendMessageA(hwnd_, SB_GETTEXTLENGTHA, pane, 0);
    std::string text(LOWORD(length) + 1, '\0');
    SendMessageA(hwnd_, SB_GETTEXTA, pane, reinterpret_cast<LPARAM>(text.data()));
    text.resize(LOWORD(length));
    return text;
}

void StatusBar::SetMessage(const std::string& text) {
    SendMessageA(hwnd_, SB_SETTEXTA, 0 | SBT_NOBORDERS, reinterpret_cast<LPARAM>(text.c_str()));
    if (menuMode_) {
        SendMessageA(hwnd_, SB_SETTEXTA, kSimplePane | SBT_NOBORDERS,
                     reinterpret_cast<LPARAM>(text.c_str()));
    }
}

std::string StatusBar::Message() const {
    return PaneText(0);
}

void StatusBar::SetMenuMode(bool on) {
    if (on == menuMode_)
        return;
    menuMode_ = on;
    if (on) {
        const std::string message = Message();
        SendMessageA(hwnd_, SB_SIMPLE, TRUE, 0);
        SetMessage(message);
    } else {
        SendMessageA(hwnd_, SB_SIMPLE, FALSE, 0);
    }
}

void StatusBar::UpdateIndicators() {
    if (!indicators_)
        return;
    int pane = 1;
    for (const Indicator& indicator : kIndicators) {
        const char* text = (GetKeyState(indicator.key) & 1) ? indicator.text : "";
        if (PaneText(pane) != text)
            SetPaneText(pane, text);
        ++pane;
    }
}

void StatusBar::Resize() {
    SendMessageA(hwnd_, WM_SIZE, 0, 0);
    RECT client;
    GetClientRect(hwnd_, &client);
    const std::vector<int> edges =
        StatusPaneEdges(client.right, widths_, GetSystemMetrics(SM_CXVSCROLL));
    SendMessageA(hwnd_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

int StatusBar::Height() const {
    if (!IsBarShown(hwnd_))
        return 0;
    RECT rect;
    GetWindowRect(hwnd_, &rect);
    return rect.bottom - rect.top;
}
