#include <gtest/gtest.h>

#include <cstring>

#include "browser/FolderTreePlan.h"

namespace {

struct FolderTreePlanTest : ::testing::Test {
    FolderList folders;
    RezFolder* root = &folders.Append("MAPS", nullptr);
    RezFolder* b = &folders.Append("b", root);
    RezFolder* b1 = &folders.Append("b1", b);
    RezFolder* a = &folders.Append("a", root);
    RezFolder* c = &folders.Append("c", root);
};

TEST_F(FolderTreePlanTest, ItemsComeInListOrderWithTheirParentsAndImages) {
    const std::vector<TreeFillItem> plan = PlanTreeFill(folders);
    ASSERT_EQ(plan.size(), 5u);
    const RezFolder* order[] = {root, b, b1, a, c};
    const RezFolder* parents[] = {nullptr, root, b, root, root};
    for (size_t i = 0; i < plan.size(); ++i) {
        EXPECT_EQ(plan[i].folder, order[i]) << i;
        EXPECT_EQ(plan[i].parent, parents[i]) << i;
    }
    EXPECT_STREQ(plan[0].imageKey, ".rez");
    EXPECT_STREQ(plan[0].selectedImageKey, ".rez");
    for (size_t i = 1; i < plan.size(); ++i) {
        EXPECT_STREQ(plan[i].imageKey, ".") << i;
        EXPECT_STREQ(plan[i].selectedImageKey, ".folder") << i;
    }
}

TEST_F(FolderTreePlanTest, SubfolderListsAreRebuiltInListOrderAndTreeItemsCleared) {
    // A list sorted by the file list, a stale child and old tree items.
    root->subfolders = {c, a, b, b1};
    b->subfolders.clear();
    root->treeItem = kTreeRootItem;
    a->treeItem = 1234;
    PlanTreeFill(folders);
    EXPECT_EQ(root->subfolders, (std::vector<RezFolder*>{b, a, c}));
    EXPECT_EQ(b->subfolders, std::vector<RezFolder*>{b1});
    EXPECT_TRUE(a->subfolders.empty());
    EXPECT_EQ(root->treeItem, 0u);
    EXPECT_EQ(a->treeItem, 0u);
}

TEST_F(FolderTreePlanTest, DescendantTestWalksUpTheParents) {
    EXPECT_TRUE(IsSelfOrAncestor(b1, b1));
    EXPECT_TRUE(IsSelfOrAncestor(b1, b));
    EXPECT_TRUE(IsSelfOrAncestor(b1, root));
    EXPECT_FALSE(IsSelfOrAncestor(b, b1));
    EXPECT_FALSE(IsSelfOrAncestor(b1, a));
    EXPECT_FALSE(IsSelfOrAncestor(nullptr, a));
}

}  // namespace
