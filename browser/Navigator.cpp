#include "browser/Navigator.h"

Navigator::Navigator(const FolderList& folders, FileTypeIcons& icons, NavigationHost& host)
    : folders_(folders), icons_(icons), host_(host) {}

void Navigator::SelectFolder(RezFolder* folder, bool record) {
    record_ = record;
    host_.SelectTreeFolder(folder);
}

void Navigator::TreeSelectionChanged(RezFolder* folder) {
    if (!record_) {
        record_ = true;
        return;
    }
    RecordVisit(folder, folders_.FolderPath(folder, true));
}

void Navigator::RecordVisit(RezFolder* folder, const std::string& path) {
    if (!history_.RecordVisit(folder, path))
        return;
    int index = ItemIndexOf(path);
    if (index < 0) {
        const RezFolder* root = folders_.Root();
        const bool isRoot = root && path == root->name;
        LocationItem item{path, icons_.IconIndexFor(isRoot ? ".rez" : "."),
                          icons_.IconIndexFor(isRoot ? ".rez" : ".folder"), folder};
        items_.push_back(item);
        host_.AppendLocationItem(item);
        index = static_cast<int>(items_.size()) - 1;
    }
    host_.SelectLocationItem(index);
}

bool Navigator::NavigateToPath(const std::string& path, bool record) {
    RezFolder* folder = folders_.FindFolderByPath(path, true);
    if (!folder)
        return false;
    SelectFolder(folder, record);
    const int index = ItemIndexOf(folders_.FolderPath(folder, true));
    if (index >= 0)
        host_.SelectLocationItem(index);
    return true;
}

void Navigator::ShowVisit(const Visit* visit) {
    if (visit)
        NavigateToPath(visit->path, false);
}

void Navigator::Back() {
    if (history_.CanGoBack())
        ShowVisit(history_.Step(1));
}

void Navigator::Forward() {
    if (history_.CanGoForward())
        ShowVisit(history_.Step(-1));
}

void Navigator::UpOneLevel(RezFolder* selected) {
    if (selected && selected->parent)
        SelectFolder(selected->parent, true);
}

void Navigator::ChooseGoToItem(int index) {
    ShowVisit(history_.ChooseGoToItem(index));
}

void Navigator::ChooseLocationItem(int index) {
    if (index < 0 || index >= static_cast<int>(items_.size()))
        return;
    // An item outlives its folder when the folder is deleted; selecting it then does nothing.
    RezFolder* folder = items_[static_cast<size_t>(index)].folder;
    if (!folder || IsFolderOfList(folder))
        SelectFolder(folder, true);
}

void Navigator::Clear() {
    history_.Clear();
    items_.clear();
    host_.ClearLocationItems();
}

int Navigator::ItemIndexOf(const std::string& text) const {
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i].text == text)
            return static_cast<int>(i);
    return -1;
}

bool Navigator::IsFolderOfList(const RezFolder* folder) const {
    bool found = false;
    folders_.ForEach([&](const RezFolder& each) { found = found || &each == folder; });
    return found;
}
