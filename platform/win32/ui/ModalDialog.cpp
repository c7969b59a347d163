#include "platform/win32/ui/ModalDialog.h"

INT_PTR ModalDialog::Show(HWND owner, int templateId, HINSTANCE instance) {
    return DialogBoxParamA(instance, MAKEINTRESOURCEA(templateId), owner, Procedure,
                           reinterpret_cast<LPARAM>(this));
}

bool ModalDialog::HandleCommand(WORD id, WORD code, HWND control) {
    if (OnCommand(id, code, control))
        return true;
    if (id == IDOK && OnOk()) {
        End(IDOK);
        return true;
    }
    if (id == IDCANCEL && OnCancel()) {
        End(IDCANCEL);
        return true;
    }
    return id == IDOK || id == IDCANCEL;
}
