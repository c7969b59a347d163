#include "browser/win32/RecentFileMenu.h"

#include "browser/BrowserSettings.h"
#include "browser/MenuTexts.h"
#include "resources/tarvex/resource.h"

bool RecentFileMenu::Attach(IconMenu& menu, HMENU file) {
    menu_ = &menu;
    file_ = file;
    const int count = GetMenuItemCount(file);
    for (int i = 0; i < count; ++i)
        if (GetMenuItemID(file, i) == ID_FILE_MRU_FILE1)
            position_ = i;
    return position_ >= 0;
}

void RecentFileMenu::Show(const std::vector<std::string>& paths) {
    for (UINT id = ID_FILE_MRU_FILE1; id < ID_FILE_MRU_FILE1 + RecentFileList::kSize; ++id)
        menu_->RemoveItem(file_, id);
    if (paths.empty()) {
        menu_->InsertItem(file_, position_, ID_FILE_MRU_FILE1, "Recent File");
        return;
    }
    for (size_t i = 0; i < paths.size() && i < RecentFileList::kSize; ++i) {
        menu_->InsertItem(file_, position_ + static_cast<int>(i),
                          ID_FILE_MRU_FILE1 + static_cast<UINT>(i),
                          RecentFileMenuText(static_cast<int>(i), paths[i]));
    }
}
