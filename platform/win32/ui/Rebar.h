#pragma once
// A rebar holding bands with grippers (the toolbar's band).
#include <windows.h>

class Rebar {
  public:
    bool Create(HWND parent);
    HWND Handle() const { return hwnd_; }
    bool AddBand(HWND child, SIZE childSize);
    int Height() const;

  private:
    HWND hwnd_ = nullptr;
};
