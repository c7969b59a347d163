#pragma once
// The main window's menus drawn by us in a flat style, with the image of the matching
// toolbar button beside each command that has one: the menu bar, and popup menus shown at a
// point. Items, identifiers and texts are those of the menu resources; only the drawing
// changes. One menu font, the system's, serves every item for the life of the object.
#include <windows.h>

#include <commctrl.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32/Scoped.h"
#include "platform/win32/ui/ToolbarLayout.h"

class IconMenu {
  public:
    IconMenu();
    IconMenu(const IconMenu&) = delete;
    IconMenu& operator=(const IconMenu&) = delete;

    // Loads the menu bar from a menu resource and makes every item of its popups
    // owner-drawn, with the images of the toolbar's buttons.
    bool Load(HINSTANCE instance, int menuId, HIMAGELIST images, const ToolbarLayout& toolbar);
    HMENU Handle() const { return menu_.Get(); }
    // Hands the menu bar to the window, which then owns it.
    HMENU Release() { return menu_.Release(); }

    // Loads a menu resource whose first popup TrackPopup shows, drawn like the menu bar.
    bool LoadPopup(HINSTANCE instance, int menuId);
    HMENU Popup(int menuId) const;
    // Shows that popup at a point on the screen, tracking either mouse button; its
    // commands reach owner as WM_COMMAND. False when there is no such popup.
    bool TrackPopup(int menuId, HWND owner, POINT screen) const;

    // Adds a command drawn like the loaded ones to one of the menu's popups, before position
    // (-1: at the end), or removes it again: for lists the program keeps up to date, such as
    // recent files. Ampersands in text mark the mnemonic, as in the resources.
    bool InsertItem(HMENU popup, int position, UINT id, const std::string& text);
    void RemoveItem(HMENU popup, UINT id);

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

    void ConvertPopup(HMENU popup);
    const Item* ItemOf(ULONG_PTR data) const;

    ScopedFont font_;
    ScopedMenu menu_;
    std::map<int, ScopedMenu> popups_;
    HIMAGELIST images_ = nullptr;
    ToolbarLayout toolbar_;
    std::vector<std::unique_ptr<Item>> items_;
};
