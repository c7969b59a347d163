#pragma once
// A modal dialog from a dialog template: OK and Cancel (the buttons, Enter and Escape) end
// it when OnOk or OnCancel agree. On its own it serves boxes that only need OK, such as an
// about box.
#include "platform/win32/ui/DialogWindow.h"

class ModalDialog : public DialogWindow {
  public:
    // Shows the dialog over owner until it ends; the value it ended with (IDOK, IDCANCEL or
    // what End was given), or -1 when it could not be created or set up.
    INT_PTR Show(HWND owner, int templateId, HINSTANCE instance = GetModuleHandleA(nullptr));

  protected:
    // True when the dialog may end; OnOk is the place to read and check what was typed.
    virtual bool OnOk() { return true; }
    virtual bool OnCancel() { return true; }
    void End(INT_PTR result) { EndDialog(Handle(), result); }

  private:
    bool HandleCommand(WORD id, WORD code, HWND control) final;
    void OnInitFailed() final { End(-1); }
};
