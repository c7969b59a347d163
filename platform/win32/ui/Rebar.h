#pragma once
// A rebar holding bands with grippers (the toolbar's band, a location bar's band). It says
// through onHeightChange when its height changes, so that its parent lays itself out again.
#include <windows.h>

#include <functional>

#include "platform/win32/ui/ControlEvents.h"

class Rebar : public ControlEvents {
  public:
    bool Create(HWND parent);
    HWND Handle() const { return hwnd_; }
    // Adds a band at the end; extraStyle adds RBBS_BREAK (a row of its own), RBBS_FIXEDBMP...
    bool AddBand(HWND child, SIZE childSize, UINT extraStyle = 0);
    // Bands are found by their child window: the user may drag them into another order.
    bool DeleteBand(HWND child);
    bool ShowBand(HWND child, bool show);
    bool IsBandShown(HWND child) const;
    bool AnyBandShown() const;
    int BandCount() const;
    int Height() const;

    std::function<void()> onHeightChange;

    bool OnNotify(NMHDR& header, LRESULT& result) override;

  private:
    // The band holding child; -1 when none does.
    int BandOf(HWND child) const;
    UINT BandStyle(int index) const;

    HWND hwnd_ = nullptr;
    ControlBinding binding_;
};
