#pragma once
// The main window of a single-document program: an owner-drawn icon menu, a toolbar in a
// rebar band, a status bar and one view. Commands from the menu, the toolbar and the
// accelerators are routed by identifier; unavailable ones are disabled and not carried out.
// Menu, toolbar, bitmap, accelerators, icon and title string share one resource number.
#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/ui/CommandRouter.h"
#include "platform/win32/ui/IconMenu.h"
#include "platform/win32/ui/Rebar.h"
#include "platform/win32/ui/StatusBar.h"
#include "platform/win32/ui/Toolbar.h"
#include "platform/win32/ui/View.h"
#include "platform/win32/ui/Window.h"

class FrameWindow : public Window {
  public:
    explicit FrameWindow(int resourceId) : resourceId_(resourceId) {}

    bool Create(View& view);

    CommandRouter& Commands() { return commands_; }
    StatusBar& Status() { return status_; }
    const Toolbar& Tools() const { return toolbar_; }
    HWND ViewHandle() const { return viewHwnd_; }
    const std::string& ProgramTitle() const { return title_; }

    // "<name> - <program>", or the program alone for an empty name.
    void SetDocumentName(const std::string& name);

    // Modeless dialogs get their keyboard messages before the accelerators.
    void AddModelessDialog(HWND dialog);
    void RemoveModelessDialog(HWND dialog);

    // What the message loop does with each message and whenever the queue runs empty.
    bool PreTranslateMessage(MSG& message);
    void OnIdle();

    // The first part of a string resource ("prompt\ntip"): part 0 or 1.
    std::string ResourceText(UINT id, int part) const;

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
    bool OnNotify(NMHDR& header, LRESULT& result);

    int resourceId_;
    std::string title_;
    View* view_ = nullptr;
    HWND viewHwnd_ = nullptr;
    HACCEL accelerators_ = nullptr;
    CommandRouter commands_;
    IconMenu menu_;
    Rebar rebar_;
    Toolbar toolbar_;
    StatusBar status_;
    std::vector<HWND> modeless_;
    std::string tip_;  // the text a tool tip is showing
};
