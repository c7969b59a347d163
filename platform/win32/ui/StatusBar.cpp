#include "platform/win32/ui/StatusBar.h"

#include "platform/win32/ui/BarVisibility.h"

#include <commctrl.h>

#include <iterator>

namespace {

struct Indicator {
    int key;
    const char* text;
};
constexpr Indicator kIndicators[] = {{VK_CAPITAL, "CAP"}, {VK_NUMLOCK, "NUM"}, {VK_SCROLL, "SCRL"}};
constexpr int kIndicatorWidth = 40;

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

void StatusBar::SetMessage(const std::string& text) {
    SendMessageA(hwnd_, SB_SETTEXTA, 0 | SBT_NOBORDERS, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string StatusBar::Message() const {
    char text[256] = "";
    const LRESULT length = SendMessageA(hwnd_, SB_GETTEXTLENGTHA, 0, 0);
    if (LOWORD(length) < sizeof(text)) {
        SendMessageA(hwnd_, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
    }
    return text;
}

void StatusBar::UpdateIndicators() {
    int pane = 1;
    for (const Indicator& indicator : kIndicators) {
        const char* text = (GetKeyState(indicator.key) & 1) ? indicator.text : "";
        char shown[8] = "";
        SendMessageA(hwnd_, SB_GETTEXTA, pane, reinterpret_cast<LPARAM>(shown));
        if (lstrcmpA(shown, text) != 0) {
            SendMessageA(hwnd_, SB_SETTEXTA, pane, reinterpret_cast<LPARAM>(text));
        }
        ++pane;
    }
}

void StatusBar::Resize() {
    SendMessageA(hwnd_, WM_SIZE, 0, 0);
    RECT client;
    GetClientRect(hwnd_, &client);
    const int count = 1 + static_cast<int>(std::size(kIndicators));
    int edges[count];
    edges[count - 1] = -1;
    for (int i = count - 2; i >= 0; --i) {
        const int next =
            i + 1 == count - 1 ? client.right - GetSystemMetrics(SM_CXVSCROLL) : edges[i + 1];
        edges[i] = next - kIndicatorWidth;
    }
    SendMessageA(hwnd_, SB_SETPARTS, count, reinterpret_cast<LPARAM>(edges));
}

int StatusBar::Height() const {
    if (!IsBarShown(hwnd_))
        return 0;
    RECT rect;
    GetWindowRect(hwnd_, &rect);
    return rect.bottom - rect.top;
}
