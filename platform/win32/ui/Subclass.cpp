#include "platform/win32/ui/Subclass.h"

namespace {
const char kSubclassProperty[] = "TarvexSubclass";
}

void Subclass::Attach(HWND control, Handler handler) {
    Detach();
    control_ = control;
    handler_ = std::move(handler);
    SetPropA(control, kSubclassProperty, this);
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Procedure)));
}

void Subclass::Detach() {
    if (control_ == nullptr)
        return;
    if (IsWindow(control_)) {
        SetWindowLongPtrA(control_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
        RemovePropA(control_, kSubclassProperty);
    }
    control_ = nullptr;
}

LRESULT Subclass::CallOriginal(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(original_, control_, message, wParam, lParam);
}

LRESULT CALLBACK Subclass::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<Subclass*>(GetPropA(hwnd, kSubclassProperty));
    if (self == nullptr)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    LRESULT result = 0;
    if (self->handler_ && self->handler_(message, wParam, lParam, result))
        return result;
    if (message == WM_NCDESTROY) {
        WNDPROC original = self->original_;
        self->Detach();
        return CallWindowProcA(original, hwnd, message, wParam, lParam);
    }
    return self->CallOriginal(message, wParam, lParam);
}
