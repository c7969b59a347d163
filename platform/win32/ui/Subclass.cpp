#include "platform/win32/ui/Subclass.h"

#include <commctrl.h>

#include "platform/win32/ui/ErrorReport.h"

namespace {

// Windows XP's common controls 5.8 export the subclass functions by ordinal only; version 6
// and Wine export them under both, so they are looked up by ordinal.
struct SubclassFunctions {
    decltype(&SetWindowSubclass) set = nullptr;
    decltype(&RemoveWindowSubclass) remove = nullptr;
    decltype(&DefSubclassProc) next = nullptr;

    SubclassFunctions() {
        HMODULE controls = GetModuleHandleA("comctl32.dll");
        if (controls == nullptr)
            controls = LoadLibraryA("comctl32.dll");
        if (controls == nullptr)
            return;
        set = reinterpret_cast<decltype(set)>(
            reinterpret_cast<void*>(GetProcAddress(controls, MAKEINTRESOURCEA(410))));
        remove = reinterpret_cast<decltype(remove)>(
            reinterpret_cast<void*>(GetProcAddress(controls, MAKEINTRESOURCEA(412))));
        next = reinterpret_cast<decltype(next)>(
            reinterpret_cast<void*>(GetProcAddress(controls, MAKEINTRESOURCEA(413))));
    }
};

const SubclassFunctions& Functions() {
    static const SubclassFunctions functions;
    return functions;
}

UINT_PTR IdOf(const Subclass* hook) {
    return reinterpret_cast<UINT_PTR>(hook);
}

}  // namespace

bool Subclass::Attach(HWND control, Handler handler) {
    Detach();
    const SubclassFunctions& functions = Functions();
    if (functions.set == nullptr || functions.remove == nullptr || functions.next == nullptr)
        return false;
    handler_ = std::move(handler);
    if (!functions.set(control, Procedure, IdOf(this), reinterpret_cast<DWORD_PTR>(this)))
        return false;
    control_ = control;
    return true;
}

void Subclass::Detach() {
    if (control_ == nullptr)
        return;
    Functions().remove(control_, Procedure, IdOf(this));
    control_ = nullptr;
}

LRESULT Subclass::CallNext(UINT message, WPARAM wParam, LPARAM lParam) {
    return Functions().next(control_, message, wParam, lParam);
}

LRESULT CALLBACK Subclass::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<Subclass*>(data);
    if (message == WM_NCDESTROY) {
        self->Detach();
        return Functions().next(hwnd, message, wParam, lParam);
    }
    try {
        LRESULT result = 0;
        if (self->handler_ && self->handler_(message, wParam, lParam, result))
            return result;
    } catch (...) {
        // The control's own procedure still gets the message, so that it stays usable.
        ReportCurrentException();
    }
    return Functions().next(hwnd, message, wParam, lParam);
}
