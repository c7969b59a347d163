#pragma once
// How wide the results' columns start: the Folder column beside the four others must fit in a
// list as narrow as a small window leaves, or the path the results are about is cut off.
#include <vector>

// The Name, Size, Type, Modified and Folder columns as wide as kListColumns and kFolderColumn
// make them when the list has room, else each narrowed in proportion to fit listWidth pixels,
// never below kNarrowestFoundColumn.
std::vector<int> FoundColumnWidths(int listWidth);
inline constexpr int kNarrowestFoundColumn = 30;
