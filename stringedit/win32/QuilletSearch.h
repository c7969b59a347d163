#pragma once
// Find and Find Next: one search text (80 characters) and direction for the whole run,
// shared by every Find dialog so that it shows the last text again.
#include "platform/win32/ui/FindTextDialog.h"
#include "platform/win32/ui/FrameWindow.h"
#include "stringedit/QuilletDoc.h"
#include "stringedit/win32/QuilletView.h"

class QuilletSearch {
  public:
    QuilletSearch(CQuilletDoc& doc, CQuilletView& view) : doc_(doc), view_(view) {}

    void OpenDialog(FrameWindow& frame);
    // Repeats the last search without a dialog.
    void FindNext();
    // The Find dialog's message to its owner.
    void OnDialogMessage(FrameWindow& frame, LPARAM lParam);

    HWND Dialog() const { return dialog_.Handle(); }

  private:
    char text_[80] = "";
    bool down_ = false;
    FindTextDialog dialog_;
    CQuilletDoc& doc_;
    CQuilletView& view_;
};
