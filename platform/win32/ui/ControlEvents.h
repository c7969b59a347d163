#pragma once
// Notifications handed back to the wrapper of the control that sent them. A control's
// WM_NOTIFY and WM_COMMAND go to its parent; every parent window of the framework first
// looks for the wrapper bound to the sender (NMHDR::hwndFrom, or the control handle of
// WM_COMMAND) and lets it answer. One wrapper is bound to a control at a time.
#include <windows.h>

class ControlEvents {
  public:
    // True when handled, with the message's result stored.
    virtual bool OnNotify(NMHDR& header, LRESULT& result);
    virtual bool OnCommand(WORD code, HWND control, LRESULT& result);

  protected:
    ~ControlEvents() = default;
};

// Binds a control to its wrapper until this owner goes or binds another control.
class ControlBinding {
  public:
    ControlBinding() = default;
    ControlBinding(const ControlBinding&) = delete;
    ControlBinding& operator=(const ControlBinding&) = delete;
    ~ControlBinding() { Unbind(); }

    void Bind(HWND control, ControlEvents& events);
    void Unbind();

  private:
    HWND control_ = nullptr;
};

// The parent's side: gives a WM_NOTIFY or WM_COMMAND to the sender's wrapper. True when
// that wrapper handled it; anything else stays with the parent.
bool RouteToSender(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
