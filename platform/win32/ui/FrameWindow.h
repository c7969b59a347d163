#pragma once
// The main window of a single-document program: an owner-drawn icon menu, a toolbar in a
// rebar band, a status bar and one root pane between them (a control, or a splitter of two
// panes). It knows which leaf pane is active (the last to get the focus); F6 and Shift+F6
// move the focus through the leaf panes. Commands from the menu, the toolbar, the
// accelerators and the popup menu are routed by identifier; unavailable ones are disabled
// and not carried out. Menu, toolbar, bitmap, accelerators, icon and title string share one
// resource number.
#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/ui/CommandRouter.h"
#include "platform/win32/ui/IconMenu.h"
#include "platform/win32/ui/Pane.h"
#include "platform/win32/ui/Rebar.h"
#include "platform/win32/ui/StatusBar.h"
#include "platform/win32/ui/Toolbar.h"
#include "platform/win32/ui/Window.h"

class FrameWindow : public Window, public PaneHost {
  public:
    explicit FrameWindow(int resourceId) : resourceId_(resourceId) {}

    // Creates the window, its bars and the root pane with everything in it; the first leaf
    // pane starts as the active one.
    bool Create(Pane& root);

    CommandRouter& Commands() { return commands_; }
    StatusBar& Status() { return status_; }
    const Toolbar& Tools() const { return toolbar_; }
    Rebar& Bars() { return rebar_; }
    // After a band of the rebar was shown, hidden, added or deleted.
    void BandsChanged();
    const IconMenu& Menu() const { return menu_; }
    IconMenu& Menu() { return menu_; }
    const std::string& ProgramTitle() const { return title_; }

    // "<name> - <program>", or the program alone for an empty name.
    void SetDocumentName(const std::string& name);

    // The leaf panes in the order F6 visits them, and the one that had the focus last.
    std::vector<Pane*> LeafPanes() const;
    Pane* ActivePane() const { return active_; }
    // Makes a leaf pane the active one and gives it the focus.
    void ActivatePane(Pane& pane);

    // A menu resource whose first popup shows on a right click that no pane takes.
    bool SetContextMenu(int menuId);
    // The smallest size the user can give the window.
    void SetMinimumSize(SIZE size) { minimumSize_ = size; }
    // While a menu is open, its prompts use the whole status bar.
    void SetWideMenuPrompts(bool on) { wideMenuPrompts_ = on; }

    // Modeless dialogs get their keyboard messages before the accelerators.
    void AddModelessDialog(HWND dialog);
    void RemoveModelessDialog(HWND dialog);

    // What the message loop does with each message and whenever the queue runs empty; a
    // program that updates more at idle time calls the frame's own pass too.
    bool PreTranslateMessage(MSG& message);
    virtual void OnIdle();

    // The first part of a string resource ("prompt\ntip"): part 0 or 1.
    std::string ResourceText(UINT id, int part) const;

    // PaneHost
    void OnPaneFocused(Pane& pane) override { active_ = &pane; }
    void FocusNextPane(bool backwards) override;
    bool RunCommand(unsigned id) override { return commands_.Run(id); }
    void ShowContextMenu(POINT screen) override;

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Messages the program handles itself; true when handled.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  private:
    bool CreateBars();
    void Layout();
    void ShowBar(HWND bar, bool show);
    void UpdatePopup(HMENU popup);
    void ShowPrompt(UINT id);
    void OnMenuSelect(WPARAM wParam, LPARAM lParam);

    int resourceId_;
    std::string title_;
    Pane* root_ = nullptr;
    Pane* active_ = nullptr;
    HACCEL accelerators_ = nullptr;
    CommandRouter commands_;
    IconMenu menu_;
    int contextMenu_ = 0;
    SIZE minimumSize_{0, 0};
    bool wideMenuPrompts_ = false;
    Rebar rebar_;
    Toolbar toolbar_;
    StatusBar status_;
    std::vector<HWND> modeless_;
};
