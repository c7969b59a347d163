#pragma once
// The modeless Find dialog of the common dialogs. Its owner receives Message() with the
// FINDREPLACE of the dialog; one dialog is open at a time.
#include <windows.h>

#include <commdlg.h>

class FindTextDialog {
  public:
    static UINT Message();

    // Opens the dialog over buffer, or brings the open one to the front.
    HWND Open(HWND owner, char* buffer, WORD bufferSize, DWORD flags);
    HWND Handle() const { return hwnd_; }

    // The request carried by Message(), or null when it is not this dialog's.
    const FINDREPLACEA* Request(LPARAM lParam) const;
    // Called once the dialog has said it is closing (FR_DIALOGTERM).
    void Forget() { hwnd_ = nullptr; }

  private:
    FINDREPLACEA request_{};
    HWND hwnd_ = nullptr;
};
