#include "platform/win32/ui/FindTextDialog.h"

UINT FindTextDialog::Message() {
    static const UINT message = RegisterWindowMessageA(FINDMSGSTRINGA);
    return message;
}

HWND FindTextDialog::Open(HWND owner, char* buffer, WORD bufferSize, DWORD flags) {
    if (hwnd_ != nullptr) {
        SetActiveWindow(hwnd_);
        return hwnd_;
    }
    request_ = {};
    request_.lStructSize = sizeof(request_);
    request_.hwndOwner = owner;
    request_.lpstrFindWhat = buffer;
    request_.wFindWhatLen = bufferSize;
    request_.Flags = flags;
    hwnd_ = FindTextA(&request_);
    return hwnd_;
}

const FINDREPLACEA* FindTextDialog::Request(LPARAM lParam) const {
    const auto* request = reinterpret_cast<const FINDREPLACEA*>(lParam);
    return request == &request_ ? request : nullptr;
}
