#pragma once
// A status bar: a message pane that stretches, followed by panes of fixed widths, either
// texts the program sets or the keyboard-state indicators CAP, NUM and SCRL. While a menu is
// open the message pane may cover the whole bar, so that long prompts fit.
#include <windows.h>

#include <string>
#include <vector>

class StatusBar {
  public:
    bool Create(HWND parent);
    HWND Handle() const { return hwnd_; }

    // The panes after the message pane, by width in pixels; their texts start empty.
    void SetPanes(std::vector<int> widths);
    // Panes 1 to 3 become the indicators, kept up to date by UpdateIndicators.
    void ShowKeyIndicators();
    void SetPaneText(int pane, const std::string& text);
    std::string PaneText(int pane) const;

    void SetMessage(const std::string& text);
    std::string Message() const;
    // The message pane over the whole bar (true) or back in its place (false).
    void SetMenuMode(bool on);
    bool InMenuMode() const { return menuMode_; }

    // Shows the indicators of the keys that are toggled on; call when idle.
    void UpdateIndicators();
    // Resizes itself with its parent and lays out the panes.
    void Resize();
    int Height() const;

  private:
    HWND hwnd_ = nullptr;
    std::vector<int> widths_;
    bool indicators_ = false;
    bool menuMode_ = false;
};
