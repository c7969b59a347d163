#include "app/WizardRules.h"

#include <algorithm>

#include "app/MapPack.h"

namespace {

constexpr int kTaskControls[] = {1053, 1054, 1055, 1036, 1056};
constexpr int kGameControls[] = {1036, 1038, 1039, 1040};

template <std::size_t N>
std::optional<int> IndexOf(const int (&controls)[N], int control) {
    for (std::size_t i = 0; i < N; ++i)
        if (controls[i] == control)
            return static_cast<int>(i);
    return std::nullopt;
}

}  // namespace

int TaskControl(int task) {
    return task >= 0 && task < 5 ? kTaskControls[task] : 0;
}

int GameControl(int gameType) {
    return gameType >= 0 && gameType < 4 ? kGameControls[gameType] : 0;
}

std::optional<int> TaskOfControl(int control) {
    return IndexOf(kTaskControls, control);
}

std::optional<int> GameOfControl(int control) {
    return IndexOf(kGameControls, control);
}

bool WizardChoices::ClickGame(int gameType) {
    gameType_ = gameType;
    return gameType == GameTalon;
}

void WizardChoices::SetChecked(int category, bool checked) {
    if (checked)
        checked_.insert(category);
    else
        checked_.erase(category);
}

std::vector<int> WizardChoices::CategoriesToAsk() const {
    std::vector<int> categories;
    for (MapPackCategory category : MapPackCategoryOrder())
        if (IsChecked(category) && CategoryBoxFor(gameType_, category).shown)
            categories.push_back(category);
    return categories;
}

std::optional<int> BoxSlot(int gameType, int category) {
    const auto& order = MapPackCategoryOrder();
    const auto at = std::find(order.begin(), order.end(), category);
    if (at == order.end() || !CategoryBoxFor(gameType, category).shown)
        return std::nullopt;
    const auto index = at - order.begin();
    const auto top = order.begin() + index / kBoxesPerColumn * kBoxesPerColumn;
    return static_cast<int>(std::count_if(
        top, at, [gameType](int above) { return CategoryBoxFor(gameType, above).shown; }));
}

WizardButtons ButtonsOf(int page, const WizardChoices& choices) {
    WizardButtons buttons;
    buttons.back = PreviousPageOf(page).has_value();
    buttons.next = NextPageOf(page, choices).has_value();
    buttons.finish = !buttons.next;
    return buttons;
}

std::optional<int> NextPageOf(int page, const WizardChoices& choices) {
    if (page == TaskPage && choices.Task() != TaskMapPack)
        return std::nullopt;
    if (page + 1 >= kWizardPageCount)
        return std::nullopt;
    return page + 1;
}

std::optional<int> PreviousPageOf(int page) {
    if (page <= 0)
        return std::nullopt;
    return page - 1;
}
