#pragma once
// A hook on a control's window procedure (list view, edit box) through which an owner sees
// its messages first. Hooks go through the common controls' subclass chain, each with an
// identifier of its own, so that several hooks on one control all run, the newest first;
// what none of them handles reaches the control's own procedure.
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

    bool Attach(HWND control, Handler handler);
    void Detach();
    bool Attached() const { return control_ != nullptr; }
    // The rest of the chain for the message being handled; call only from the handler.
    LRESULT CallNext(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR id, DWORD_PTR self);

    HWND control_ = nullptr;
    Handler handler_;
};
