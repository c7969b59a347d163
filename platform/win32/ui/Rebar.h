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
    bool DeleteBand(int index);
    int BandCount() const;
    int Height() const;

    std::function<void()> onHeightChange;

    bool OnNotify(NMHDR& header, LRESULT& result) override;

  private:
    HWND hwnd_ = nullptr;
    ControlBinding binding_;
};
