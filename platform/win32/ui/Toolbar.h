#pragma once
// A flat toolbar with tool tips, built from a toolbar resource and its bitmap.
#include <windows.h>

#include <commctrl.h>

#include "platform/win32/ui/CommandRouter.h"
#include "platform/win32/ui/ToolbarLayout.h"

class Toolbar {
  public:
    Toolbar() = default;
    Toolbar(const Toolbar&) = delete;
    Toolbar& operator=(const Toolbar&) = delete;
    ~Toolbar();

    bool Create(HWND parent, HINSTANCE instance, int resourceId);
    HWND Handle() const { return hwnd_; }
    const ToolbarLayout& Layout() const { return layout_; }
    HIMAGELIST Images() const { return images_; }
    SIZE IdealSize() const;

    // Enables and checks the buttons as the commands' availability says.
    void UpdateStates(const CommandRouter& commands);

  private:
    HWND hwnd_ = nullptr;
    HIMAGELIST images_ = nullptr;
    ToolbarLayout layout_;
};
