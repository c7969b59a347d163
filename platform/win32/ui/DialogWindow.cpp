#include "platform/win32/ui/DialogWindow.h"

#include "platform/win32/ui/ControlEvents.h"
#include "platform/win32/ui/ErrorReport.h"

DialogWindow::~DialogWindow() {
    if (hwnd_ != nullptr) {
        SetWindowLongPtrA(hwnd_, DWLP_USER, 0);
        DestroyWindow(hwnd_);
    }
}

bool DialogWindow::OnCommand(WORD, WORD, HWND) {
    return false;
}

INT_PTR DialogWindow::OnMessage(UINT, WPARAM, LPARAM) {
    return FALSE;
}

bool DialogWindow::HandleCommand(WORD id, WORD code, HWND control) {
    return OnCommand(id, code, control);
}

INT_PTR DialogWindow::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT routed = 0;
    if (RouteToSender(message, wParam, lParam, routed)) {
        SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, routed);
        return TRUE;
    }
    switch (message) {
        case WM_INITDIALOG: {
            HWND focus = GetFocus();
            if (!OnInit()) {
                OnInitFailed();
                return FALSE;
            }
            return GetFocus() == focus ? TRUE : FALSE;
        }
        case WM_COMMAND:
            return HandleCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam))
                       ? TRUE
                       : FALSE;
    }
    return OnMessage(message, wParam, lParam);
}

INT_PTR CALLBACK DialogWindow::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        reinterpret_cast<DialogWindow*>(lParam)->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
    }
    auto* dialog = reinterpret_cast<DialogWindow*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    if (dialog == nullptr)
        return FALSE;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, DWLP_USER, 0);
        dialog->hwnd_ = nullptr;
        return FALSE;
    }
    try {
        return dialog->Dispatch(message, wParam, lParam);
    } catch (...) {
        ReportCurrentException();
        if (message == WM_INITDIALOG)
            dialog->OnInitFailed();
        return FALSE;
    }
}
