#pragma once
// A dialog that lives inside another window, usually a page of a host dialog (a wizard's
// pages). Its template has the styles WS_CHILD and DS_CONTROL, so that the host's keyboard
// navigation runs through the page's controls.
#include "platform/win32/ui/DialogWindow.h"

class ChildDialog : public DialogWindow {
  public:
    // Creates the page hidden; false when it could not be created or set up.
    bool Create(HWND parent, int templateId, HINSTANCE instance = GetModuleHandleA(nullptr));
    // Moves the page over a control of its parent that marks its place, e.g. a frame.
    void PlaceOver(HWND placeholder);
    void Show(bool show) { ShowWindow(Handle(), show ? SW_SHOW : SW_HIDE); }

  private:
    void OnInitFailed() final { failed_ = true; }

    bool failed_ = false;
};
