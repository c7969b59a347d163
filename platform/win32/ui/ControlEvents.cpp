#include "platform/win32/ui/ControlEvents.h"

namespace {
const char kEventsProperty[] = "TarvexControlEvents";

ControlEvents* EventsOf(HWND control) {
    return control == nullptr ? nullptr
                              : static_cast<ControlEvents*>(GetPropA(control, kEventsProperty));
}
}  // namespace

bool ControlEvents::OnNotify(NMHDR&, LRESULT&) {
    return false;
}

bool ControlEvents::OnCommand(WORD, HWND, LRESULT&) {
    return false;
}

void ControlBinding::Bind(HWND control, ControlEvents& events) {
    Unbind();
    if (control != nullptr && SetPropA(control, kEventsProperty, &events))
        control_ = control;
}

void ControlBinding::Unbind() {
    if (control_ != nullptr && IsWindow(control_))
        RemovePropA(control_, kEventsProperty);
    control_ = nullptr;
}

bool RouteToSender(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_NOTIFY && lParam != 0) {
        auto& header = *reinterpret_cast<NMHDR*>(lParam);
        ControlEvents* events = EventsOf(header.hwndFrom);
        return events != nullptr && events->OnNotify(header, result);
    }
    // Menus and accelerators send WM_COMMAND without a control.
    if (message == WM_COMMAND && lParam != 0) {
        HWND control = reinterpret_cast<HWND>(lParam);
        ControlEvents* events = EventsOf(control);
        return events != nullptr && events->OnCommand(HIWORD(wParam), control, result);
    }
    return false;
}
