#pragma once
// One deferred-window-position pass (BeginDeferWindowPos ... EndDeferWindowPos): sibling
// windows moved together and drawn once at the end. Should the system fail the pass, every
// window of it is moved on its own instead.
#include <windows.h>

#include <utility>
#include <vector>

class WindowPositions {
  public:
    explicit WindowPositions(int count);
    WindowPositions(const WindowPositions&) = delete;
    WindowPositions& operator=(const WindowPositions&) = delete;
    ~WindowPositions();

    // Moves and sizes window to bounds, in its parent's client coordinates.
    void Move(HWND window, const RECT& bounds);

  private:
    HDWP pass_;
    std::vector<std::pair<HWND, RECT>> moves_;
};
