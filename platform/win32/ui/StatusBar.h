#pragma once
// A status bar with a message pane and the keyboard-state indicators CAP, NUM and SCRL.
#include <windows.h>

#include <string>

class StatusBar {
  public:
    bool Create(HWND parent);
    HWND Handle() const { return hwnd_; }
    void SetMessage(const std::string& text);
    std::string Message() const;
    // Shows the indicators of the keys that are toggled on; call when idle.
    void UpdateIndicators();
    // Resizes itself with its parent and lays out the panes.
    void Resize();
    int Height() const;

  private:
    HWND hwnd_ = nullptr;
};
