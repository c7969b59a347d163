#include "browser/win32/HistoryMenu.h"

#include "browser/BrowserCommands.h"
#include "browser/MenuTexts.h"

void HistoryMenu::Show(const NavigationHistory& history, HWND window) {
    for (UINT id = kCommandFirstGoToItem; id <= kCommandLastGoToItem; ++id)
        menu_->RemoveItem(goTo_, id);
    const GoToMenu visits = history.BuildGoToMenu();
    checked_ = visits.checked;
    for (size_t i = 0; i < visits.paths.size(); ++i) {
        menu_->InsertItem(goTo_, -1, kCommandFirstGoToItem + static_cast<UINT>(i),
                          MenuItemText(visits.paths[i]));
    }
    DrawMenuBar(window);
}
