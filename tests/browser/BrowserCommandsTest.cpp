#include <gtest/gtest.h>

#include "archive/RezTree.h"
#include "browser/BrowserCommands.h"

namespace {

struct BrowserCommandsTest : ::testing::Test {
    FolderList folders;
    RezFolder* root = &folders.Append("MAPS", nullptr);
    RezFolder* sub = &folders.Append("Sub", root);
    NavigationHistory history;
    FrameState state;

    BrowserCommandsTest() { state.history = &history; }

    bool Enabled(int command) { return AvailabilityOf(command, state).value().enabled; }
    bool Checked(int command) { return AvailabilityOf(command, state).value().checked; }
};

TEST_F(BrowserCommandsTest, SelectionCommandsNeedATreeItemOrASelectedRow) {
    const int selectionCommands[] = {57635, 57634, 32773, 32782, 32772, 32840};
    for (int command : selectionCommands)
        EXPECT_FALSE(Enabled(command)) << command;
    state.listSelectedCount = 1;
    for (int command : selectionCommands)
        EXPECT_TRUE(Enabled(command)) << command;
    state.listSelectedCount = 0;
    state.treeSelection = root;
    for (int command : selectionCommands)
        EXPECT_TRUE(Enabled(command)) << command;
    // Insert, Insert Empty Folder and Help are always there.
    FrameState empty;
    EXPECT_TRUE(AvailabilityOf(32771, empty).value().enabled);
    EXPECT_TRUE(AvailabilityOf(32781, empty).value().enabled);
    EXPECT_TRUE(AvailabilityOf(32791, empty).value().enabled);
}

TEST_F(BrowserCommandsTest, PasteNeedsAPayloadOrShellFiles) {
    EXPECT_FALSE(Enabled(57637));
    state.clipboardHasPayload = true;
    EXPECT_TRUE(Enabled(57637));
    state.clipboardHasPayload = false;
    state.clipboardHasFileDrop = true;
    EXPECT_TRUE(Enabled(57637));
}

TEST_F(BrowserCommandsTest, BackAndForwardFollowTheHistory) {
    EXPECT_FALSE(Enabled(32798));
    EXPECT_FALSE(Enabled(32799));
    history.RecordVisit(root, "MAPS");
    EXPECT_FALSE(Enabled(32798));
    EXPECT_FALSE(Enabled(32799));
    history.RecordVisit(sub, "MAPS\\Sub");
    EXPECT_TRUE(Enabled(32798));
    EXPECT_FALSE(Enabled(32799));
    history.Step(1);
    EXPECT_FALSE(Enabled(32798));
    EXPECT_TRUE(Enabled(32799));
    state.history = nullptr;
    EXPECT_FALSE(Enabled(32798));
}

TEST_F(BrowserCommandsTest, UpOneLevelNeedsASelectedFolderBelowTheRoot) {
    EXPECT_FALSE(Enabled(32787));
    state.treeSelection = root;
    EXPECT_FALSE(Enabled(32787));
    state.treeSelection = sub;
    EXPECT_TRUE(Enabled(32787));
}

TEST_F(BrowserCommandsTest, ViewModesMarkTheListsStyle) {
    EXPECT_FALSE(Enabled(59409));
    EXPECT_FALSE(Checked(59411));  // no list, no mark
    state.listExists = true;
    state.viewMode = ViewMode::SmallIcons;
    EXPECT_TRUE(Enabled(59409));
    EXPECT_FALSE(Checked(59409));
    EXPECT_TRUE(Checked(59408));
    EXPECT_FALSE(Checked(59410));
    EXPECT_FALSE(Checked(59411));
    EXPECT_EQ(ViewModeOfCommand(59409), ViewMode::LargeIcons);
    EXPECT_EQ(ViewModeOfCommand(59411), ViewMode::Details);
    EXPECT_EQ(ViewModeOfCommand(59408), ViewMode::SmallIcons);
    EXPECT_EQ(ViewModeOfCommand(59410), ViewMode::List);
    EXPECT_EQ(ViewModeOfCommand(32796), std::nullopt);
}

TEST_F(BrowserCommandsTest, LocationBarIsCheckedWhileShown) {
    EXPECT_TRUE(Checked(32796));
    state.locationBarShown = false;
    EXPECT_TRUE(Enabled(32796));
    EXPECT_FALSE(Checked(32796));
    EXPECT_EQ(AvailabilityOf(57601, state), std::nullopt);  // Open: not a rule of this window
}

TEST(PaneKeys, TreeAndListTurnKeysIntoCommands) {
    EXPECT_TRUE(TreeKeyAction(0x09).focusOtherPane);
    EXPECT_EQ(TreeKeyAction(0x0D).command, 32772);
    EXPECT_EQ(TreeKeyAction(0x20).command, 32772);
    EXPECT_EQ(TreeKeyAction(0x2D).command, 32771);
    EXPECT_EQ(TreeKeyAction(0x2E).command, 32773);
    EXPECT_EQ(TreeKeyAction(0x74).command, 0);  // F5 refreshes only the list
    EXPECT_FALSE(TreeKeyAction(0x74).focusOtherPane);

    EXPECT_TRUE(ListKeyAction(0x09).focusOtherPane);
    EXPECT_EQ(ListKeyAction(0x0D).command, 32772);
    EXPECT_EQ(ListKeyAction(0x20).command, 0);  // Space is the list's own
    EXPECT_EQ(ListKeyAction(0x2D).command, 32771);
    EXPECT_EQ(ListKeyAction(0x2E).command, 32773);
    EXPECT_EQ(ListKeyAction(0x74).command, 32803);
    EXPECT_EQ(ListKeyAction('A').command, 0);
}

}  // namespace
