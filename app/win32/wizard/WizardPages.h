#pragma once
// The wizard's three pages: the task, the game, and what goes into the map pack. Each keeps
// its values in the wizard's choices as soon as a button is clicked.
#include <string>
#include <vector>

#include "app/WizardRules.h"
#include "platform/UserPrompts.h"
#include "platform/win32/ui/ChildDialog.h"

// A page of a wizard host dialog.
class WizardPage : public ChildDialog {
  public:
    // The page is about to be shown, on its first showing or again.
    virtual void OnShowing() {}
};

// What a page tells its wizard.
class WizardPageHost {
  public:
    virtual ~WizardPageHost() = default;
    // A choice changed what the buttons allow.
    virtual void ChoicesChanged() = 0;
};

// Page 1 (dialog 135): the task.
class CWizPage1 : public WizardPage {
  public:
    CWizPage1(WizardChoices& choices, WizardPageHost& host) : choices_(choices), host_(host) {}

  private:
    bool OnInit() override;
    bool OnCommand(WORD id, WORD code, HWND control) override;

    WizardChoices& choices_;
    WizardPageHost& host_;
};

// Page 2 (dialog 205): the game, with the warning about Talon's folder layout.
class CWizPage2 : public WizardPage {
  public:
    CWizPage2(WizardChoices& choices, UserPrompts& prompts)
        : choices_(choices), prompts_(prompts) {}
    void SetTalonWarning(std::string text) { talonWarning_ = std::move(text); }

  private:
    bool OnInit() override;
    bool OnCommand(WORD id, WORD code, HWND control) override;

    WizardChoices& choices_;
    UserPrompts& prompts_;
    std::string talonWarning_;
};

// Page 3 (dialog 204): the boxes of the content, shown, hidden and labelled for the game.
class CWizPage3 : public WizardPage {
  public:
    explicit CWizPage3(WizardChoices& choices) : choices_(choices) {}
    void OnShowing() override;

  private:
    bool OnInit() override;
    bool OnCommand(WORD id, WORD code, HWND control) override;

    WizardChoices& choices_;
    // The places of the boxes in the template, in page order: column by column, top down.
    std::vector<RECT> places_;
};
