#pragma once
// The one view a frame window shows below its bars.
#include <windows.h>

class View {
  public:
    virtual ~View() = default;
    // Creates the view's window as a child of the frame.
    virtual HWND Create(HWND parent) = 0;
    // Notifications the view's controls send to the frame; true when handled.
    virtual bool OnNotify(NMHDR& header, LRESULT& result) = 0;
};
