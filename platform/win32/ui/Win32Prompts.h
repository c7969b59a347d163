#pragma once
// UserPrompts shown as message boxes and common dialogs owned by one window.
#include <windows.h>

#include "platform/UserPrompts.h"

class Win32Prompts : public UserPrompts {
  public:
    explicit Win32Prompts(std::string title) : title_(std::move(title)) {}
    void SetOwner(HWND owner) { owner_ = owner; }

    PromptAnswer Ask(const std::string& text, PromptButtons buttons) override;
    std::uintptr_t ChangeOwner(std::uintptr_t owner) override;
    std::string ChooseFolder(const std::string& title) override;
    std::vector<std::string> ChooseOpenFiles(const FileDialogOptions& options) override;
    std::string ChooseSaveFile(const FileDialogOptions& options) override;

  private:
    std::string title_;
    HWND owner_ = nullptr;
};
