#include "browser/win32/FindDialog.h"

#include "app/ItemSearch.h"
#include "resources/tarvex/resource.h"

bool FindDialog::Ask(HWND owner) {
    return Show(owner, IDD_FIND) == IDOK;
}

bool FindDialog::OnInit() {
    SetDlgItemTextA(Handle(), IDC_FIND_PATTERN, typed_.c_str());
    SendDlgItemMessageA(Handle(), IDC_FIND_PATTERN, EM_SETSEL, 0, -1);
    return true;
}

bool FindDialog::OnOk() {
    HWND edit = Item(IDC_FIND_PATTERN);
    std::string text(static_cast<size_t>(GetWindowTextLengthA(edit)) + 1, '\0');
    text.resize(
        static_cast<size_t>(GetWindowTextA(edit, text.data(), static_cast<int>(text.size()))));
    // Nothing to look for: the dialog stays.
    if (SplitPatterns(text).empty())
        return false;
    typed_ = text;
    return true;
}
