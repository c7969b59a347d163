#include <gtest/gtest.h>

#include "FakeIconImages.h"
#include "browser/Navigator.h"

namespace {

// A folder tree and combo box as the window has them: a selection that changes the tree's
// item tells the navigator.
class FakeWindow : public NavigationHost {
  public:
    Navigator* navigator = nullptr;
    RezFolder* selected = nullptr;
    std::vector<std::string> comboTexts;
    int comboSelection = -1;
    int calls = 0;

    void SelectTreeFolder(RezFolder* folder) override {
        ++calls;
        if (folder == selected)
            return;  // no selection change
        selected = folder;
        navigator->TreeSelectionChanged(folder);
    }
    void AppendLocationItem(const LocationItem& item) override {
        ++calls;
        comboTexts.push_back(item.text);
    }
    void SelectLocationItem(int index) override {
        ++calls;
        comboSelection = index;
    }
    void ClearLocationItems() override {
        ++calls;
        comboTexts.clear();
        comboSelection = -1;
    }
};

struct NavigationTest : ::testing::Test {
    FolderList folders;
    RezFolder* root = &folders.Append("MAPS", nullptr);
    RezFolder* a = &folders.Append("A", root);
    RezFolder* b = &folders.Append("B", root);
    RezFolder* c = &folders.Append("C", b);
    RezFolder* d = &folders.Append("D", root);
    FakeIconImages images;
    FileTypeIcons icons{images};
    FakeWindow window;
    Navigator navigator{folders, icons, window};

    NavigationTest() { window.navigator = &navigator; }

    // A click in the tree changes its selection without the program's SelectFolder.
    void UserSelects(RezFolder* folder) {
        window.selected = folder;
        navigator.TreeSelectionChanged(folder);
    }
    const std::string& CurrentPath() const { return navigator.History().Current()->path; }
    std::vector<std::string> VisitPaths() const {
        std::vector<std::string> paths;
        for (const Visit& visit : navigator.History().Visits())
            paths.push_back(visit.path);
        return paths;
    }
};

TEST_F(NavigationTest, VisitingAfterGoingBackDiscardsTheForwardVisits) {
    UserSelects(a);
    UserSelects(b);
    UserSelects(c);
    navigator.Back();
    navigator.Back();
    EXPECT_EQ(window.selected, a);
    EXPECT_EQ(CurrentPath(), "MAPS\\A");
    UserSelects(d);
    EXPECT_EQ(VisitPaths(), (std::vector<std::string>{"MAPS\\A", "MAPS\\D"}));
    EXPECT_FALSE(navigator.History().CanGoForward());
    EXPECT_TRUE(navigator.History().CanGoBack());
    navigator.Back();
    EXPECT_EQ(window.selected, a);
    EXPECT_FALSE(navigator.History().CanGoBack());
    // The combo box keeps every path it was given.
    EXPECT_EQ(window.comboTexts,
              (std::vector<std::string>{"MAPS\\A", "MAPS\\B", "MAPS\\B\\C", "MAPS\\D"}));
    EXPECT_EQ(window.comboSelection, 0);
}

TEST_F(NavigationTest, SelectingTheNewestVisitAgainRecordsNothing) {
    UserSelects(a);
    UserSelects(b);
    UserSelects(c);
    navigator.Back();
    EXPECT_EQ(window.selected, b);
    const int calls = window.calls;
    UserSelects(c);
    EXPECT_EQ(window.calls, calls);
    EXPECT_EQ(VisitPaths().size(), 3u);
    EXPECT_EQ(CurrentPath(), "MAPS\\B");
    EXPECT_TRUE(navigator.History().CanGoForward());
    navigator.Forward();
    EXPECT_EQ(window.selected, c);
    EXPECT_EQ(window.comboSelection, 2);
}

TEST_F(NavigationTest, BackAndForwardStopAtTheEnds) {
    navigator.Back();
    navigator.Forward();
    EXPECT_EQ(window.calls, 0);
    UserSelects(a);
    const int calls = window.calls;
    navigator.Back();
    navigator.Forward();
    EXPECT_EQ(window.calls, calls);
    EXPECT_EQ(CurrentPath(), "MAPS\\A");
}

TEST_F(NavigationTest, ComboItemsTakeTheRootIconOnlyForTheRootsPath) {
    UserSelects(root);
    UserSelects(a);
    ASSERT_EQ(navigator.LocationItems().size(), 2u);
    const LocationItem& rootItem = navigator.LocationItems()[0];
    EXPECT_EQ(rootItem.text, "MAPS");
    EXPECT_EQ(rootItem.image, 1);
    EXPECT_EQ(rootItem.selectedImage, 1);
    EXPECT_EQ(rootItem.folder, root);
    const LocationItem& folderItem = navigator.LocationItems()[1];
    EXPECT_EQ(folderItem.image, 7);
    EXPECT_EQ(folderItem.selectedImage, 8);
    EXPECT_EQ(folderItem.folder, a);

    // A path seen before selects its item instead of adding one.
    UserSelects(root);
    EXPECT_EQ(navigator.LocationItems().size(), 2u);
    EXPECT_EQ(window.comboSelection, 0);
    EXPECT_EQ(VisitPaths().size(), 3u);
}

TEST_F(NavigationTest, GoToListsAtMostSevenOlderAndSixNewerVisits) {
    std::vector<RezFolder*> many;
    for (int i = 0; i < 20; ++i)
        many.push_back(&folders.Append(std::string("F").append(std::to_string(i)), root));
    for (RezFolder* folder : many)
        UserSelects(folder);
    for (int i = 0; i < 9; ++i)
        navigator.Back();
    EXPECT_EQ(CurrentPath(), "MAPS\\F10");

    const GoToMenu menu = navigator.History().BuildGoToMenu();
    const std::vector<std::string> expected = {
        "MAPS\\F3",  "MAPS\\F4",  "MAPS\\F5",  "MAPS\\F6",  "MAPS\\F7",  "MAPS\\F8",  "MAPS\\F9",
        "MAPS\\F10", "MAPS\\F11", "MAPS\\F12", "MAPS\\F13", "MAPS\\F14", "MAPS\\F15", "MAPS\\F16"};
    EXPECT_EQ(menu.paths, expected);
    EXPECT_EQ(menu.checked, 7);  // the eighth item

    navigator.ChooseGoToItem(0);
    EXPECT_EQ(CurrentPath(), "MAPS\\F3");
    EXPECT_EQ(window.selected, many[3]);
    // The menu now lists F0 to F9, F3 checked: its last item is six steps forward.
    EXPECT_EQ(navigator.History().BuildGoToMenu().paths.size(), 10u);
    navigator.ChooseGoToItem(9);
    EXPECT_EQ(CurrentPath(), "MAPS\\F9");
    EXPECT_EQ(window.selected, many[9]);
    // Choosing never records a visit.
    EXPECT_EQ(VisitPaths().size(), 20u);
    const int calls = window.calls;
    navigator.ChooseGoToItem(14);  // past the last item
    navigator.ChooseGoToItem(-1);
    EXPECT_EQ(window.calls, calls);
}

TEST_F(NavigationTest, GoToNearTheOldestVisitListsWhatThereIs) {
    EXPECT_TRUE(navigator.History().BuildGoToMenu().paths.empty());
    UserSelects(a);
    UserSelects(b);
    UserSelects(c);
    navigator.Back();
    navigator.Back();
    const GoToMenu menu = navigator.History().BuildGoToMenu();
    EXPECT_EQ(menu.paths, (std::vector<std::string>{"MAPS\\A", "MAPS\\B", "MAPS\\B\\C"}));
    EXPECT_EQ(menu.checked, 0);
    navigator.ChooseGoToItem(2);
    EXPECT_EQ(window.selected, c);
    EXPECT_FALSE(navigator.History().CanGoForward());
}

TEST_F(NavigationTest, TypedPathsNeedAFolderThatExists) {
    const int calls = window.calls;
    EXPECT_FALSE(navigator.NavigateToPath("MAPS\\X", true));
    EXPECT_FALSE(navigator.NavigateToPath("A", true));  // the root's name is part of the path
    EXPECT_EQ(window.calls, calls);
    EXPECT_TRUE(navigator.History().Empty());

    EXPECT_TRUE(navigator.NavigateToPath("\\MAPS\\B\\C\\", true));
    EXPECT_EQ(window.selected, c);
    EXPECT_EQ(VisitPaths(), std::vector<std::string>{"MAPS\\B\\C"});
    EXPECT_EQ(window.comboSelection, 0);
}

TEST_F(NavigationTest, UpOneLevelSelectsTheParentAndRecordsIt) {
    UserSelects(c);
    navigator.UpOneLevel(c);
    EXPECT_EQ(window.selected, b);
    EXPECT_EQ(CurrentPath(), "MAPS\\B");
    const int calls = window.calls;
    navigator.UpOneLevel(root);
    navigator.UpOneLevel(nullptr);
    EXPECT_EQ(window.calls, calls);
}

TEST_F(NavigationTest, AComboItemOfADeletedFolderSelectsNothing) {
    UserSelects(a);
    UserSelects(c);
    folders.DeleteFolder(b);
    window.selected = nullptr;  // the tree was rebuilt
    navigator.ChooseLocationItem(1);
    EXPECT_EQ(window.selected, nullptr);
    navigator.ChooseLocationItem(0);
    EXPECT_EQ(window.selected, a);
    // Back to a deleted folder's visit moves the history but selects nothing.
    navigator.ChooseLocationItem(5);
    UserSelects(d);
    EXPECT_EQ(VisitPaths(),
              (std::vector<std::string>{"MAPS\\A", "MAPS\\B\\C", "MAPS\\A", "MAPS\\D"}));
    navigator.Back();
    navigator.Back();
    EXPECT_EQ(CurrentPath(), "MAPS\\B\\C");
    EXPECT_EQ(window.selected, a);
}

TEST_F(NavigationTest, SelectionsMadeWithoutRecordingAreNotRecorded) {
    navigator.SelectFolder(a, false);
    EXPECT_EQ(window.selected, a);
    EXPECT_TRUE(navigator.History().Empty());
    UserSelects(b);  // the flag came back with the first change
    EXPECT_EQ(VisitPaths(), std::vector<std::string>{"MAPS\\B"});
}

TEST_F(NavigationTest, AnUnrecordedSelectionThatChangesNothingSkipsTheNextChange) {
    UserSelects(a);
    navigator.SelectFolder(a, false);  // already selected: no change, the flag stays off
    UserSelects(b);
    EXPECT_EQ(VisitPaths(), std::vector<std::string>{"MAPS\\A"});
    UserSelects(c);
    EXPECT_EQ(VisitPaths(), (std::vector<std::string>{"MAPS\\A", "MAPS\\B\\C"}));
    // Any selection the program makes with recording on sets the flag again.
    navigator.SelectFolder(c, false);
    navigator.SelectFolder(d, true);
    EXPECT_EQ(CurrentPath(), "MAPS\\D");
}

TEST_F(NavigationTest, ASelectionOfNoItemRecordsTheRootsPath) {
    UserSelects(a);
    UserSelects(nullptr);
    EXPECT_EQ(VisitPaths(), (std::vector<std::string>{"MAPS\\A", "MAPS"}));
    EXPECT_EQ(navigator.LocationItems().back().image, 1);
    EXPECT_EQ(navigator.LocationItems().back().folder, nullptr);
}

TEST_F(NavigationTest, ClearEmptiesHistoryAndCombo) {
    UserSelects(a);
    UserSelects(b);
    navigator.Clear();
    EXPECT_TRUE(navigator.History().Empty());
    EXPECT_EQ(navigator.History().Current(), nullptr);
    EXPECT_TRUE(navigator.LocationItems().empty());
    EXPECT_TRUE(window.comboTexts.empty());
    EXPECT_FALSE(navigator.History().CanGoBack());
    // The same folder as before the clear is a new visit.
    UserSelects(b);
    EXPECT_EQ(VisitPaths(), std::vector<std::string>{"MAPS\\B"});
}

}  // namespace
