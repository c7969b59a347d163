#include "platform/win32/ui/Rebar.h"

#include "platform/win32/ui/BarVisibility.h"

#include <commctrl.h>

bool Rebar::Create(HWND parent) {
    hwnd_ = CreateWindowExA(WS_EX_TOOLWINDOW, REBARCLASSNAMEA, nullptr,
                            WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN |
                                RBS_VARHEIGHT | RBS_BANDBORDERS | CCS_NODIVIDER | CCS_TOP,
                            0, 0, 0, 0, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (hwnd_ == nullptr)
        return false;
    binding_.Bind(hwnd_, *this);
    REBARINFO info{};
    info.cbSize = sizeof(info);
    return SendMessageA(hwnd_, RB_SETBARINFO, 0, reinterpret_cast<LPARAM>(&info)) != 0;
}

bool Rebar::AddBand(HWND child, SIZE childSize, UINT extraStyle) {
    REBARBANDINFOA band{};
    band.cbSize = REBARBANDINFOA_V3_SIZE;
    band.fMask = RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE;
    band.fStyle = RBBS_CHILDEDGE | RBBS_GRIPPERALWAYS | extraStyle;
    band.hwndChild = child;
    band.cxMinChild = childSize.cx;
    band.cyMinChild = childSize.cy;
    band.cx = childSize.cx + 20;
    return SendMessageA(hwnd_, RB_INSERTBANDA, static_cast<WPARAM>(-1),
                        reinterpret_cast<LPARAM>(&band)) != 0;
}

int Rebar::BandOf(HWND child) const {
    const int count = BandCount();
    for (int index = 0; index < count; ++index) {
        REBARBANDINFOA band{};
        band.cbSize = REBARBANDINFOA_V3_SIZE;
        band.fMask = RBBIM_CHILD;
        if (SendMessageA(hwnd_, RB_GETBANDINFOA, index, reinterpret_cast<LPARAM>(&band)) &&
            band.hwndChild == child)
            return index;
    }
    return -1;
}

UINT Rebar::BandStyle(int index) const {
    REBARBANDINFOA band{};
    band.cbSize = REBARBANDINFOA_V3_SIZE;
    band.fMask = RBBIM_STYLE;
    SendMessageA(hwnd_, RB_GETBANDINFOA, index, reinterpret_cast<LPARAM>(&band));
    return band.fStyle;
}

bool Rebar::DeleteBand(HWND child) {
    const int index = BandOf(child);
    return index >= 0 && SendMessageA(hwnd_, RB_DELETEBAND, index, 0) != 0;
}

bool Rebar::ShowBand(HWND child, bool show) {
    const int index = BandOf(child);
    return index >= 0 && SendMessageA(hwnd_, RB_SHOWBAND, index, show) != 0;
}

bool Rebar::IsBandShown(HWND child) const {
    const int index = BandOf(child);
    return index >= 0 && (BandStyle(index) & RBBS_HIDDEN) == 0;
}

bool Rebar::AnyBandShown() const {
    const int count = BandCount();
    for (int index = 0; index < count; ++index)
        if ((BandStyle(index) & RBBS_HIDDEN) == 0)
            return true;
    return false;
}

int Rebar::BandCount() const {
    return static_cast<int>(SendMessageA(hwnd_, RB_GETBANDCOUNT, 0, 0));
}

int Rebar::Height() const {
    if (!IsBarShown(hwnd_))
        return 0;
    RECT rect;
    GetWindowRect(hwnd_, &rect);
    return rect.bottom - rect.top;
}

bool Rebar::OnNotify(NMHDR& header, LRESULT&) {
    if (header.code != RBN_HEIGHTCHANGE || !onHeightChange)
        return false;
    onHeightChange();
    return true;
}
