#pragma once
// How the folder tree is filled from the folder list, and which drops onto it are refused.
#include <string>
#include <vector>

#include "archive/RezTree.h"

// One tree item to insert as the last child of its parent's item (the tree's root for the
// root folder), then store as the folder's tree item; its parent's children are sorted once
// all are in.
struct TreeFillItem {
    RezFolder* folder = nullptr;
    RezFolder* parent = nullptr;  // null for the root folder
    const char* imageKey = nullptr;
    const char* selectedImageKey = nullptr;
};

// The items in folder-list order, so every parent is inserted before its children. Clears
// every folder's tree item and rebuilds its subfolder list from the parent links, in list
// order.
std::vector<TreeFillItem> PlanTreeFill(FolderList& folders);
