#include "browser/FolderTreePlan.h"

std::vector<TreeFillItem> PlanTreeFill(FolderList& folders) {
    std::vector<TreeFillItem> plan;
    plan.reserve(folders.Size());
    folders.ForEach([](RezFolder& folder) { folder.subfolders.clear(); });
    folders.ForEach([&plan](RezFolder& folder) {
        folder.treeItem = 0;
        if (folder.parent) {
            folder.parent->subfolders.push_back(&folder);
            plan.push_back({&folder, folder.parent, ".", ".folder"});
        } else {
            plan.push_back({&folder, nullptr, ".rez", ".rez"});
        }
    });
    return plan;
}
