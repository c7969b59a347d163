#include "app/StatusTotals.h"

#include <cstdlib>

#include "platform/Format.h"

SelectedTotals SumSelectedSizes(const std::vector<std::string>& sizeTexts) {
    SelectedTotals totals;
    for (const std::string& text : sizeTexts) {
        if (text.empty())
            continue;
        // The last three characters are the unit suffix; the number is read as C reads it.
        const std::string number = text.size() > 3 ? text.substr(0, text.size() - 3) : "";
        totals.kilobytes += static_cast<std::uint32_t>(std::strtoul(number.c_str(), nullptr, 0));
        ++totals.count;
    }
    return totals;
}

std::string SelectedPaneText(const SelectedTotals& totals) {
    return Format("Selected %d Files, %dKB", totals.count, static_cast<int>(totals.kilobytes));
}

std::string TotalPaneText(std::uint32_t count, std::uint64_t size) {
    return Format("Total %u Files, %lluKB", static_cast<unsigned>(count),
                  static_cast<unsigned long long>(size / 1024));
}

bool SelectionCommandsEnabled(bool treeHasCurrentItem, int selectedListItems) {
    return treeHasCurrentItem || selectedListItems > 0;
}
