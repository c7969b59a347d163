#pragma once
// The two status-bar panes: the selected list items and the whole archive.
#include <cstdint>
#include <string>
#include <vector>

struct SelectedTotals {
    int count = 0;
    std::uint32_t kilobytes = 0;
};

// Sums the Size column texts of the selected items ("3 Kb"): folders have an empty text and
// are not counted.
SelectedTotals SumSelectedSizes(const std::vector<std::string>& sizeTexts);
// Pane 105: "Selected %d Files, %dKB".
std::string SelectedPaneText(const SelectedTotals& totals);
// Pane 106: "Total %d Files, %dKB" from the entry count and the total size in bytes; never
// negative, however large the archive.
std::string TotalPaneText(std::uint32_t count, std::uint64_t size);
// Delete, Extract, Rename, Copy and Cut need a current tree item or a selected list item.
bool SelectionCommandsEnabled(bool treeHasCurrentItem, int selectedListItems);
