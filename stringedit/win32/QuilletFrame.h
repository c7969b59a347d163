#pragma once
// Quillet's main window: the frame with the string list and the program's commands.
#include <string>

#include "platform/UserPrompts.h"
#include "platform/win32/ui/FrameWindow.h"
#include "stringedit/QuilletDoc.h"
#include "stringedit/win32/QuilletSearch.h"
#include "stringedit/win32/QuilletView.h"

class QuilletFrame : public FrameWindow {
  public:
    QuilletFrame(CQuilletDoc& doc, CQuilletView& view, UserPrompts& prompts);

    bool Create();
    // Loads the DLL's table into the list, or says "Error loading DLL".
    void OpenDll(const std::string& path);
    QuilletSearch& Search() { return search_; }

  protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    void AddCommands();
    void Open();
    void Save();
    void ShowAbout();

    CQuilletDoc& doc_;
    CQuilletView& view_;
    UserPrompts& prompts_;
    QuilletSearch search_;
};
