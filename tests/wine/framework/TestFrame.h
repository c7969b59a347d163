#pragma once
// A frame over the test resources, and panes of one edit box each, recording what reaches
// them; shared by the framework tests.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "fixtures/TestResources.h"
#include "platform/win32/ui/ControlPane.h"
#include "platform/win32/ui/FrameWindow.h"

// A leaf pane of one edit box: what its notifications and commands were.
class EditPane : public ControlPane {
  public:
    std::vector<UINT> notified;  // NMHDR codes
    std::vector<WORD> commands;  // notification codes of WM_COMMAND

    bool OnNotify(NMHDR& header, LRESULT& result) override {
        notified.push_back(header.code);
        result = 7;
        return true;
    }
    bool OnCommand(WORD code, HWND, LRESULT&) override {
        commands.push_back(code);
        return true;
    }

  private:
    HWND CreateControl(HWND parent) override {
        return CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL,
                               0, 0, 0, 0, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    }
};

// The notifications that reach the frame's own handler are recorded; onMessage may take
// other messages first.
class TestFrame : public FrameWindow {
  public:
    TestFrame() : FrameWindow(IDR_TEST_FRAME) {}

    std::vector<UINT> notified;
    std::function<bool(UINT, WPARAM, LPARAM, LRESULT&)> onMessage;

  protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        if (message == WM_NOTIFY)
            notified.push_back(reinterpret_cast<NMHDR*>(lParam)->code);
        return onMessage && onMessage(message, wParam, lParam, result);
    }
};

// A window's rectangle in its parent's client coordinates.
inline RECT ChildRect(HWND child) {
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

inline int HeightOf(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return rect.bottom - rect.top;
}

inline RECT Rect(LONG left, LONG top, LONG right, LONG bottom) {
    return {left, top, right, bottom};
}

inline bool operator==(const RECT& a, const RECT& b) {
    return EqualRect(&a, &b) != FALSE;
}

inline std::ostream& operator<<(std::ostream& out, const RECT& r) {
    return out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}
