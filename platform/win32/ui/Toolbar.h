#pragma once
// A flat toolbar with tool tips, built from a toolbar resource and its bitmap. Its tips
// show the second part of each command's string resource; the command under the pointer
// is reported through onHotItem.
#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>

#include "platform/win32/Scoped.h"
#include "platform/win32/ui/CommandRouter.h"
#include "platform/win32/ui/ControlEvents.h"
#include "platform/win32/ui/ToolbarLayout.h"

class Toolbar : public ControlEvents {
  public:
    Toolbar() = default;
    Toolbar(const Toolbar&) = delete;
    Toolbar& operator=(const Toolbar&) = delete;

    bool Create(HWND parent, HINSTANCE instance, int resourceId);
    HWND Handle() const { return hwnd_; }
    HWND Tips() const;
    const ToolbarLayout& Layout() const { return layout_; }
    HIMAGELIST Images() const { return images_.Get(); }
    SIZE IdealSize() const;

    // Enables and checks the buttons as the commands' availability says.
    void UpdateStates(const CommandRouter& commands);

    // The command whose button the pointer is over, 0 when it leaves the buttons.
    std::function<void(UINT command)> onHotItem;

    bool OnNotify(NMHDR& header, LRESULT& result) override;

  private:
    HWND hwnd_ = nullptr;
    HINSTANCE instance_ = nullptr;
    ScopedImageList images_;
    ToolbarLayout layout_;
    ControlBinding binding_;
    ControlBinding tipsBinding_;
    std::string tip_;  // the text a tool tip is showing
};
