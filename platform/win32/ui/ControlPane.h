#pragma once
// A leaf pane that is one control (a list view, a tree view): created by CreateControl,
// bound so that its notifications come to this pane, and watched so that the host learns
// when it gets the focus.
#include "platform/win32/ui/Pane.h"
#include "platform/win32/ui/Subclass.h"

class ControlPane : public Pane {
  public:
    bool Create(HWND parent, PaneHost& host) override;
    HWND Handle() const override { return control_; }

  protected:
    virtual HWND CreateControl(HWND parent) = 0;

  private:
    HWND control_ = nullptr;
    PaneHost* host_ = nullptr;
    ControlBinding binding_;
    Subclass focusHook_;
};
