#pragma once
// The Go To popup of the View menu: the visits around the current one, listed anew each time
// the popup opens, the current one checked.
#include <windows.h>

#include "browser/NavigationHistory.h"
#include "platform/win32/ui/IconMenu.h"

class HistoryMenu {
  public:
    // goTo: the Go To popup of menu.
    void Attach(IconMenu& menu, HMENU goTo) {
        menu_ = &menu;
        goTo_ = goTo;
    }
    HMENU Handle() const { return goTo_; }
    // Lists the history's visits and draws the window's menu bar again.
    void Show(const NavigationHistory& history, HWND window);
    // The item of the current visit; -1 for none.
    int Checked() const { return checked_; }

  private:
    IconMenu* menu_ = nullptr;
    HMENU goTo_ = nullptr;
    int checked_ = -1;
};
