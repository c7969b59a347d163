#pragma once
// The wizard host (dialog 197): its pages one at a time over the hidden frame, with Back,
// Next, Finish and Cancel as the pages' rules allow.
#include <optional>

#include "app/WizardRules.h"
#include "app/win32/wizard/WizardPages.h"
#include "platform/win32/ui/ModalDialog.h"

class CWizardDlg : public ModalDialog, private WizardPageHost {
  public:
    // The Talon warning is shown through prompts, owned by the wizard while it runs; the
    // dialogs come from the resources of module.
    explicit CWizardDlg(UserPrompts& prompts, HINSTANCE module = GetModuleHandleA(nullptr));

    // Runs the wizard over owner from the initial values; true when it ended with Finish.
    bool Run(HWND owner);
    const WizardChoices& Choices() const { return choices_; }

    // The page shown, and a page's window (null before its first showing).
    int CurrentPage() const { return current_; }
    HWND PageWindow(int page) const;

  private:
    bool OnInit() override;
    bool OnCommand(WORD id, WORD code, HWND control) override;
    // Enter when the default button is disabled.
    bool OnOk() override;
    void ChoicesChanged() override { UpdateButtons(); }

    bool ShowPage(int page);
    void UpdateButtons();

    UserPrompts& prompts_;
    HINSTANCE module_;
    std::optional<ScopedPromptOwner> promptOwner_;
    WizardChoices choices_;
    CWizPage1 page1_;
    CWizPage2 page2_;
    CWizPage3 page3_;
    WizardPage* const pages_[kWizardPageCount] = {&page1_, &page2_, &page3_};
    bool created_[kWizardPageCount] = {};
    int current_ = TaskPage;
};
