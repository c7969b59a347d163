#include "browser/NavigationHistory.h"

#include <algorithm>

const Visit* NavigationHistory::Current() const {
    return visits_.empty() ? nullptr : &visits_[current_];
}

bool NavigationHistory::RecordVisit(RezFolder* folder, const std::string& path) {
    if (!visits_.empty() && visits_.back().folder == folder)
        return false;
    if (!visits_.empty())
        visits_.resize(current_ + 1);
    visits_.push_back({folder, path});
    current_ = visits_.size() - 1;
    return true;
}

const Visit* NavigationHistory::Step(int steps) {
    if (visits_.empty())
        return nullptr;
    const auto newest = static_cast<long long>(visits_.size()) - 1;
    const long long target = static_cast<long long>(current_) - steps;
    current_ = static_cast<size_t>(std::clamp(target, 0LL, newest));
    return Current();
}

GoToMenu NavigationHistory::BuildGoToMenu() const {
    GoToMenu menu;
    if (visits_.empty())
        return menu;
    const size_t first = current_ - std::min<size_t>(current_, GoToMenu::kOlder);
    const size_t last = std::min(current_ + GoToMenu::kNewer, visits_.size() - 1);
    for (size_t i = first; i <= last; ++i)
        menu.paths.push_back(visits_[i].path);
    menu.checked = static_cast<int>(current_ - first);
    return menu;
}

const Visit* NavigationHistory::ChooseGoToItem(int index) {
    const GoToMenu menu = BuildGoToMenu();
    if (index < 0 || index >= static_cast<int>(menu.paths.size()))
        return nullptr;
    return Step(menu.checked - index);
}

void NavigationHistory::Clear() {
    visits_.clear();
    current_ = 0;
}
