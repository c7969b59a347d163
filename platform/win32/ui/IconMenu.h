#pragma once
// The main window's menu drawn by us in a flat style, with the image of the matching toolbar
// button beside each command that has one. Items, identifiers and texts are those of the
// menu resource; only the drawing changes.
#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/win32/ui/ToolbarLayout.h"

class IconMenu {
  public:
    IconMenu() = default;
    IconMenu(const IconMenu&) = delete;
    IconMenu& operator=(const IconMenu&) = delete;
    ~IconMenu();

    // Loads the menu resource and makes every item of its popups owner-drawn.
    bool Load(HINSTANCE instance, int menuId, HIMAGELIST images, const ToolbarLayout& toolbar);
    HMENU Handle() const { return menu_; }
    // Hands the menu to the window, which then owns it.
    HMENU Release();

    // The window's WM_MEASUREITEM, WM_DRAWITEM and WM_MENUCHAR; false when not ours.
    bool OnMeasureItem(MEASUREITEMSTRUCT& item) const;
    bool OnDrawItem(const DRAWITEMSTRUCT& item) const;
    bool OnMenuChar(char key, HMENU popup, LRESULT& result) const;

    // The text of an item as the resource gives it ("&Open...\tCtrl+O").
    std::string ItemText(HMENU popup, UINT position) const;

  private:
    struct Item {
        std::string text;  // empty for a separator
        int image = -1;
    };

    void ConvertPopup(HMENU popup, const ToolbarLayout& toolbar);
    const Item* ItemOf(ULONG_PTR data) const;

    HMENU menu_ = nullptr;
    HIMAGELIST images_ = nullptr;
    SIZE imageSize_{16, 15};
    std::vector<std::unique_ptr<Item>> items_;
};
