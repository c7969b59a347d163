#pragma once
// Find's small dialog: one line of patterns, kept for the next Find of the session.
#include <string>

#include "platform/win32/ui/ModalDialog.h"

class FindDialog : public ModalDialog {
  public:
    // typed: what the line starts with.
    explicit FindDialog(std::string typed) : typed_(std::move(typed)) {}

    // True when OK ended it with a pattern typed.
    bool Ask(HWND owner);
    const std::string& Typed() const { return typed_; }

  protected:
    bool OnInit() override;
    bool OnOk() override;

  private:
    std::string typed_;
};
