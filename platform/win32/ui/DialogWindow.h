#pragma once
// A dialog made from a dialog template whose messages go to a C++ object through one
// dialog procedure. Notifications and commands of bound controls go to their wrappers
// first; what a handler throws is caught and reported. The base of modal dialogs and of
// child dialogs (pages inside another dialog).
#include <windows.h>

class DialogWindow {
  public:
    DialogWindow(const DialogWindow&) = delete;
    DialogWindow& operator=(const DialogWindow&) = delete;

    HWND Handle() const { return hwnd_; }
    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }

  protected:
    DialogWindow() = default;
    virtual ~DialogWindow();

    // WM_INITDIALOG; false when the dialog cannot be used. The first control with a tab
    // stop gets the focus, unless OnInit gave it to another one.
    virtual bool OnInit() { return true; }
    // WM_COMMAND from a control, a menu or a key; true when handled.
    virtual bool OnCommand(WORD id, WORD code, HWND control);
    // Any other message, answered as a dialog procedure answers (FALSE: not handled).
    virtual INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

    static INT_PTR CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  private:
    // The kind of dialog decides what OK and Cancel do and what a failed set-up does.
    virtual bool HandleCommand(WORD id, WORD code, HWND control);
    virtual void OnInitFailed() = 0;
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
};
