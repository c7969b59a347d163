#include "stringedit/win32/QuilletSearch.h"

void QuilletSearch::OpenDialog(FrameWindow& frame) {
    const bool wasOpen = dialog_.Handle() != nullptr;
    HWND dialog = dialog_.Open(frame.Handle(), text_, sizeof(text_),
                               FR_DOWN | FR_NOMATCHCASE | FR_HIDEWHOLEWORD);
    if (dialog != nullptr && !wasOpen)
        frame.AddModelessDialog(dialog);
}

void QuilletSearch::FindNext() {
    // Case-sensitive whatever the dialog offered; nothing found clears the selection.
    view_.SelectAndEdit(doc_.IdToRow(doc_.FindString(text_, down_)));
}

void QuilletSearch::OnDialogMessage(FrameWindow& frame, LPARAM lParam) {
    const FINDREPLACEA* request = dialog_.Request(lParam);
    if (request == nullptr)
        return;
    if (request->Flags & FR_DIALOGTERM) {
        frame.RemoveModelessDialog(dialog_.Handle());
        dialog_.Forget();
    } else if (request->Flags & FR_FINDNEXT) {
        down_ = (request->Flags & FR_DOWN) != 0;
        FindNext();
    }
}
