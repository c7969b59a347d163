#include "platform/win32/ui/MessageLoop.h"

namespace {

void Dispatch(FrameWindow& frame, MSG& message) {
    if (!frame.PreTranslateMessage(message)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

}  // namespace

int RunMessageLoop(FrameWindow& frame) {
    MSG message;
    for (;;) {
        if (!PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE))
            frame.OnIdle();
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0 || got == -1)
            return static_cast<int>(message.wParam);
        Dispatch(frame, message);
    }
}

void PumpMessages(FrameWindow& frame) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        Dispatch(frame, message);
    }
    frame.OnIdle();
}
