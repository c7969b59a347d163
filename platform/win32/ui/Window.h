#pragma once
// A window of our own class whose messages go to a C++ object. Notifications and commands
// of bound controls go to their wrappers first (ControlEvents.h); what a handler throws is
// caught and reported (ErrorReport.h).
#include <windows.h>

class Window {
  public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND Handle() const { return hwnd_; }

  protected:
    // Registers the class on first use; messages from WM_NCCREATE on reach HandleMessage.
    bool CreateOfClass(const char* className, HICON icon, DWORD exStyle, const char* title,
                       DWORD style, HWND parent, HMENU menu);

    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
};
