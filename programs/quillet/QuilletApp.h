#pragma once
// The program's objects: the table document on the Win32 module seam, the list, the frame.
#include <string>
#include <vector>

#include "platform/UserPrompts.h"
#include "stringedit/QuilletDoc.h"
#include "stringedit/win32/AnsiCodePage.h"
#include "stringedit/win32/QuilletFrame.h"
#include "stringedit/win32/QuilletView.h"
#include "stringedit/win32/Win32ResourceModule.h"

class QuilletApp {
  public:
    explicit QuilletApp(UserPrompts& prompts)
        : doc_(module_, codePage_), view_(doc_, prompts), frame_(doc_, view_, prompts) {}

    bool Start(int show);
    // Opens the DLL named by the first argument, if any.
    void OpenArguments(const std::vector<std::string>& args);

    CQuilletDoc& Doc() { return doc_; }
    CQuilletView& View() { return view_; }
    QuilletFrame& Frame() { return frame_; }

  private:
    Win32ResourceModule module_;
    AnsiCodePage codePage_;
    CQuilletDoc doc_;
    CQuilletView view_;
    QuilletFrame frame_;
};
