#include "platform/win32/ui/SplitterPane.h"

#include <windowsx.h>

bool SplitterPane::Create(HWND parent, PaneHost& host) {
    if (!CreateOfClass("TarvexSplitter", nullptr, 0, nullptr,
                       WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, parent, nullptr))
        return false;
    if (!left_.Create(Handle(), host) || !right_.Create(Handle(), host)) {
        DestroyWindow(Handle());
        return false;
    }
    LayOutPanes();
    return true;
}

void SplitterPane::Focus() {
    std::vector<Pane*> leaves;
    AddLeaves(leaves);
    leaves.front()->Focus();
}

void SplitterPane::AddLeaves(std::vector<Pane*>& leaves) {
    left_.AddLeaves(leaves);
    right_.AddLeaves(leaves);
}

void SplitterPane::SetLeftWidth(int width) {
    layout_.SetPreferredLeft(width);
    LayOutPanes();
}

int SplitterPane::Width() const {
    RECT client;
    GetClientRect(Handle(), &client);
    return client.right;
}

void SplitterPane::LayOutPanes() {
    RECT client;
    GetClientRect(Handle(), &client);
    const SplitColumns columns = layout_.Split(client.right);
    WindowPositions positions(2);
    left_.Place(positions, {0, 0, columns.leftWidth, client.bottom});
    right_.Place(positions,
                 {columns.rightLeft, 0, columns.rightLeft + columns.rightWidth, client.bottom});
}

void SplitterPane::EndDrag() {
    layout_.EndDrag();
    if (GetCapture() == Handle())
        ReleaseCapture();
}

LRESULT SplitterPane::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            LayOutPanes();
            return 0;
        case WM_SETCURSOR: {
            POINT at;
            GetCursorPos(&at);
            ScreenToClient(Handle(), &at);
            if (LOWORD(lParam) == HTCLIENT &&
                (layout_.Dragging() || layout_.OnBar(at.x, Width()))) {
                SetCursor(LoadCursorA(nullptr, IDC_SIZEWE));
                return TRUE;
            }
            break;
        }
        case WM_LBUTTONDOWN:
            if (layout_.BeginDrag(GET_X_LPARAM(lParam), Width()))
                SetCapture(Handle());
            return 0;
        case WM_MOUSEMOVE:
            if (layout_.DragTo(GET_X_LPARAM(lParam), Width()))
                LayOutPanes();
            return 0;
        case WM_LBUTTONUP:
        case WM_CANCELMODE:
            EndDrag();
            return 0;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != Handle())
                layout_.EndDrag();
            return 0;
    }
    return Window::HandleMessage(message, wParam, lParam);
}
