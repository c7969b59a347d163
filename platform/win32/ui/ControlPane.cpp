#include "platform/win32/ui/ControlPane.h"

bool ControlPane::Create(HWND parent, PaneHost& host) {
    host_ = &host;
    control_ = CreateControl(parent);
    if (control_ == nullptr)
        return false;
    binding_.Bind(control_, *this);
    return focusHook_.Attach(control_, [this](UINT message, WPARAM, LPARAM, LRESULT&) {
        if (message == WM_SETFOCUS)
            host_->OnPaneFocused(*this);
        return false;
    });
}
