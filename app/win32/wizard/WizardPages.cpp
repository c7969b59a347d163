#include "app/win32/wizard/WizardPages.h"

#include <algorithm>

#include "app/MapPack.h"

bool CWizPage1::OnInit() {
    CheckDlgButton(Handle(), TaskControl(choices_.Task()), BST_CHECKED);
    return true;
}

bool CWizPage1::OnCommand(WORD id, WORD code, HWND) {
    const std::optional<int> task = TaskOfControl(id);
    if (!task || code != BN_CLICKED)
        return false;
    choices_.ChooseTask(*task);
    host_.ChoicesChanged();
    return true;
}

bool CWizPage2::OnInit() {
    CheckDlgButton(Handle(), GameControl(choices_.GameType()), BST_CHECKED);
    return true;
}

bool CWizPage2::OnCommand(WORD id, WORD code, HWND) {
    const std::optional<int> game = GameOfControl(id);
    if (!game || code != BN_CLICKED)
        return false;
    // A radio button that takes the focus may notify before it is checked; the click that
    // checks it follows, and only that one counts.
    if (IsDlgButtonChecked(Handle(), id) != BST_CHECKED)
        return true;
    if (choices_.ClickGame(*game))
        prompts_.Show(talonWarning_);
    return true;
}

bool CWizPage3::OnInit() {
    places_.clear();
    for (MapPackCategory category : MapPackCategoryOrder()) {
        CheckDlgButton(Handle(), category, choices_.IsChecked(category) ? BST_CHECKED : 0);
        RECT place;
        GetWindowRect(Item(category), &place);
        MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&place), 2);
        places_.push_back(place);
    }
    return true;
}

void CWizPage3::OnShowing() {
    const auto& order = MapPackCategoryOrder();
    for (std::size_t i = 0; i < order.size(); ++i) {
        const CategoryBox box = CategoryBoxFor(choices_.GameType(), order[i]);
        HWND control = Item(order[i]);
        SetWindowTextA(control, box.text.c_str());
        EnableWindow(control, box.shown);
        ShowWindow(control, box.shown ? SW_SHOW : SW_HIDE);
        if (const std::optional<int> slot = BoxSlot(choices_.GameType(), order[i])) {
            const RECT& place = places_[i / kBoxesPerColumn * kBoxesPerColumn + *slot];
            SetWindowPos(control, nullptr, place.left, place.top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
}

bool CWizPage3::OnCommand(WORD id, WORD code, HWND) {
    const auto& order = MapPackCategoryOrder();
    if (code != BN_CLICKED || std::find(order.begin(), order.end(), id) == order.end())
        return false;
    choices_.SetChecked(id, IsDlgButtonChecked(Handle(), id) == BST_CHECKED);
    return true;
}
