#include "app/win32/wizard/WizardDlg.h"

#include <algorithm>
#include <iterator>

#include "app/win32/wizard/ModuleStrings.h"
#include "resources/tarvex/resource.h"

namespace {

constexpr int kWizardTemplate = IDD_WIZARD;
constexpr int kPageTemplates[kWizardPageCount] = {IDD_WIZARD_TASK, IDD_WIZARD_GAME,
                                                  IDD_WIZARD_CONTENT};
constexpr int kFrame = IDC_WIZARD_FRAME;
constexpr WORD kBack = ID_WIZBACK;
constexpr WORD kNext = ID_WIZNEXT;
constexpr WORD kFinish = ID_WIZFINISH;
constexpr UINT kTalonWarning = IDS_TALON_WARNING;

}  // namespace

CWizardDlg::CWizardDlg(UserPrompts& prompts, HINSTANCE module)
    : prompts_(prompts),
      module_(module),
      page1_(choices_, *this),
      page2_(choices_, prompts),
      page3_(choices_) {}

bool CWizardDlg::Run(HWND owner) {
    choices_ = WizardChoices();
    std::fill(std::begin(created_), std::end(created_), false);
    current_ = TaskPage;
    page2_.SetTalonWarning(LoadModuleString(module_, kTalonWarning).value_or(""));
    const bool finished = Show(owner, kWizardTemplate, module_) == kFinish;
    promptOwner_.reset();
    return finished;
}

HWND CWizardDlg::PageWindow(int page) const {
    if (page < 0 || page >= kWizardPageCount || !created_[page])
        return nullptr;
    return pages_[page]->Handle();
}

bool CWizardDlg::OnInit() {
    // A box owned by the main window would leave the wizard clickable behind it.
    promptOwner_.emplace(prompts_, reinterpret_cast<std::uintptr_t>(Handle()));
    return ShowPage(TaskPage);
}

bool CWizardDlg::ShowPage(int page) {
    WizardPage& shown = *pages_[page];
    // A page is made the first time it is shown and keeps its controls' state afterwards.
    if (!created_[page]) {
        if (!shown.Create(Handle(), kPageTemplates[page], module_))
            return false;
        shown.PlaceOver(Item(kFrame));
        created_[page] = true;
    }
    if (page != current_)
        pages_[current_]->Show(false);
    current_ = page;
    shown.OnShowing();
    shown.Show(true);
    UpdateButtons();
    return true;
}

bool CWizardDlg::OnCommand(WORD id, WORD code, HWND) {
    if (code != BN_CLICKED)
        return false;
    switch (id) {
        case kNext:
            if (const std::optional<int> next = NextPageOf(current_, choices_))
                ShowPage(*next);
            return true;
        case kBack:
            if (const std::optional<int> previous = PreviousPageOf(current_))
                ShowPage(*previous);
            return true;
        case kFinish:
            if (ButtonsOf(current_, choices_).finish)
                End(kFinish);
            return true;
    }
    return false;
}

bool CWizardDlg::OnOk() {
    OnCommand(ButtonsOf(current_, choices_).next ? kNext : kFinish, BN_CLICKED, nullptr);
    return false;
}

void CWizardDlg::UpdateButtons() {
    const WizardButtons buttons = ButtonsOf(current_, choices_);
    EnableWindow(Item(kBack), buttons.back);
    EnableWindow(Item(kNext), buttons.next);
    EnableWindow(Item(kFinish), buttons.finish);
    // Enter presses the button that goes on, and the focus never stays on a button that was
    // just disabled or on a page that was just hidden.
    const WORD defaultButton = buttons.next ? kNext : kFinish;
    SendMessageA(Handle(), DM_SETDEFID, defaultButton, 0);
    HWND focus = GetFocus();
    if (focus == nullptr || !IsWindowEnabled(focus) || !IsWindowVisible(focus))
        SendMessageA(Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(defaultButton)), TRUE);
}
