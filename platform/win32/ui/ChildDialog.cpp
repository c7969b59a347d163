#include "platform/win32/ui/ChildDialog.h"

bool ChildDialog::Create(HWND parent, int templateId, HINSTANCE instance) {
    failed_ = false;
    HWND page = CreateDialogParamA(instance, MAKEINTRESOURCEA(templateId), parent, Procedure,
                                   reinterpret_cast<LPARAM>(this));
    if (page != nullptr && failed_)
        DestroyWindow(page);
    return page != nullptr && !failed_;
}

void ChildDialog::PlaceOver(HWND placeholder) {
    RECT bounds;
    GetWindowRect(placeholder, &bounds);
    MapWindowPoints(nullptr, GetParent(Handle()), reinterpret_cast<POINT*>(&bounds), 2);
    SetWindowPos(Handle(), placeholder, bounds.left, bounds.top, bounds.right - bounds.left,
                 bounds.bottom - bounds.top, SWP_NOACTIVATE);
}
