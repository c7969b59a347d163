#pragma once
// Takes over the window procedure of a control (list view, edit box) so that an owner can
// see its messages first; the rest go to the control's own procedure.
#include <windows.h>

#include <functional>

class Subclass {
  public:
    // Returns true when it handled the message and stored the result.
    using Handler = std::function<bool(UINT, WPARAM, LPARAM, LRESULT&)>;

    Subclass() = default;
    Subclass(const Subclass&) = delete;
    Subclass& operator=(const Subclass&) = delete;
    ~Subclass() { Detach(); }

    void Attach(HWND control, Handler handler);
    void Detach();
    bool Attached() const { return control_ != nullptr; }
    LRESULT CallOriginal(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND control_ = nullptr;
    WNDPROC original_ = nullptr;
    Handler handler_;
};
