// The Wizard command of the window: the wizard run over the main window with its pages
// clicked as the user does, and each task of page 1 carried out after Finish on the real
// document and views (map packs per game with the open dialogs answered by the prompts).
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "TarvexWindow.h"
#include "resources/tarvex/resource.h"
#include "support/ModalScript.h"

namespace tarvex_test {
namespace {

constexpr int kNext = 12324, kFinish = 12325;
constexpr int kTaskFiles = 1053, kTaskFolders = 1054, kTaskProject = 1036, kTaskExtract = 1056;

HWND WizardWindow() {
    return FindWindowA("#32770", "Tarvex Wizard");
}

struct ControlSearch {
    int id;
    HWND found;
};

BOOL CALLBACK FindShown(HWND child, LPARAM data) {
    auto* search = reinterpret_cast<ControlSearch*>(data);
    if (GetDlgCtrlID(child) != search->id || !IsWindowVisible(child))
        return TRUE;
    search->found = child;
    return FALSE;
}

// The shown control of that identifier on the wizard or its shown page.
HWND ShownControl(int id) {
    ControlSearch search{id, nullptr};
    EnumChildWindows(WizardWindow(), FindShown, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A click as the user makes it: only on a control that is shown and enabled.
void Click(int id) {
    HWND control = ShownControl(id);
    ASSERT_NE(control, nullptr) << id << " is not shown";
    ASSERT_TRUE(IsWindowEnabled(control)) << id << " is disabled";
    SendMessageA(control, BM_CLICK, 0, 0);
}

std::string TextOf(int id) {
    char text[256] = "";
    GetWindowTextA(ShownControl(id), text, sizeof(text));
    return text;
}

class WizardTasks : public TarvexWindow {
  protected:
    void SetUp() override {
        TarvexWindow::SetUp();
        Start();
    }
    // Runs the Wizard command with the script clicking through it.
    void RunWizard(std::function<void()> script) {
        ModalScript::Run(WizardWindow, std::move(script), [this] { Run(ID_WIZARD); });
        Pump();
    }
};

struct MapPackCase {
    const char* name;
    int gameControl;
    int box;
    const char* boxText;
    const char* file;
    const char* title;
    const char* filter;
    const char* folder;
    int hiddenBox;  // a box this game does not show; 0 for none
};

class MapPacks : public WizardTasks, public ::testing::WithParamInterface<MapPackCase> {};

TEST_P(MapPacks, LandInTheGamesFolderOfANewArchiveShownInTheWindow) {
    const MapPackCase& game = GetParam();
    RezFolder& old = AddFolder("Old", nullptr);
    AddEntry(old, "old.dat", 1);
    ModelChanged();
    const std::string map = disk.Write(game.file, "map");
    prompts.openFiles.push_back({map});
    std::string boxText;
    bool hiddenShown = true;
    RunWizard([&] {
        Click(kNext);
        Click(game.gameControl);
        Click(kNext);
        boxText = TextOf(game.box);
        hiddenShown = game.hiddenBox != 0 && ShownControl(game.hiddenBox) != nullptr;
        Click(game.box);
        Click(kFinish);
    });
    EXPECT_EQ(boxText, game.boxText);
    EXPECT_FALSE(hiddenShown);
    ASSERT_EQ(prompts.dialogs.size(), 1u);
    EXPECT_EQ(prompts.dialogs[0].title, game.title);
    EXPECT_EQ(prompts.dialogs[0].filter, game.filter);
    // A new archive: the old one's folder is gone, the map is in its folder, unsaved.
    EXPECT_EQ(Doc().Folders().FindFolderByPath("Old", false), nullptr);
    RezFolder* folder = Doc().Folders().FindFolderByPath(game.folder, false);
    ASSERT_NE(folder, nullptr);
    EXPECT_EQ(EntryNames(folder), std::vector<std::string>{game.file});
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_TRUE(Doc().ArchivePath().empty());
    EXPECT_EQ(TreeChildren(ItemOf(Root())), std::vector<std::string>{"Worlds"});
}

INSTANTIATE_TEST_SUITE_P(
    Games, MapPacks,
    ::testing::Values(MapPackCase{"Jupiter", 1040, 1064, "DoomsDay Maps", "DD_Dome.DAT",
                                  "Select your DoomsDay Map(s)", "Doomsday Maps (*.DAT)|DD_*.DAT||",
                                  "Worlds\\RetailMultiplayer", 1062},
                      MapPackCase{"Talon", 1039, 1063, "'Evac' Maps", "evac1.dat",
                                  "Select your Evac Map(s)", "LithTech Maps (*.DAT)|*.DAT||",
                                  "Worlds\\Multi\\Evac", 1062},
                      MapPackCase{"Shogo", 1036, 1061, "DeathMatch Maps", "dm1.dat",
                                  "Select your DeathMatch Map(s)", "LithTech Maps (*.DAT)|*.DAT||",
                                  "Worlds\\Multi", 1069}),
    [](const ::testing::TestParamInfo<MapPackCase>& info) { return info.param.name; });

TEST_F(WizardTasks, ExtractWithNoArchiveLoadedSaysSo) {
    RunWizard([] {
        Click(kTaskExtract);
        Click(kFinish);
    });
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"No REZ file loaded to extract."});
}

TEST_F(WizardTasks, ExtractWritesTheWholeOpenArchive) {
    disk.Write("content\\Maps\\one.dat", "1");
    SaveArchiveOf(disk.Path("content"), disk.Path("whole.rez"));
    const std::string out = disk.Path("out");
    std::filesystem::create_directories(out);
    prompts.folders.push_back(out);
    // Whatever is selected and active before.
    ASSERT_EQ(Root()->subfolders.size(), 1u);
    TreeView_SelectItem(Tree(), ItemOf(Root()->subfolders[0]));
    Frame().ActivatePane(Frame().List());
    ASSERT_NE(Frame().Tree().SelectedFolder(), Root());
    RunWizard([] {
        Click(kTaskExtract);
        Click(kFinish);
    });
    EXPECT_EQ(ReadFile(disk.Path("out\\content\\Maps\\one.dat")), "1");
    // From the root, selected in the tree without a visit in the history.
    EXPECT_EQ(Frame().Tree().SelectedFolder(), Root());
    EXPECT_EQ(Frame().ActivePane(), &Frame().Tree());
}

TEST_F(WizardTasks, AFolderWithTheGamesLayoutFillsTheCurrentArchive) {
    AddEntry(*Root(), "kept.dat", 1);
    ModelChanged();
    disk.Write("Pack\\top.txt", "t");
    disk.Write("Pack\\Worlds\\level.dat", "l");
    prompts.folders.push_back(disk.Path("Pack"));
    RunWizard([] {
        Click(kTaskProject);
        Click(kFinish);
    });
    // Into the archive that is open: its entry stays, the folder's contents join the root.
    EXPECT_EQ(EntryNames(Root()), (std::vector<std::string>{"kept.dat", "top.txt"}));
    RezFolder* worlds = Doc().Folders().FindFolderByPath("Worlds", false);
    ASSERT_NE(worlds, nullptr);
    EXPECT_EQ(EntryNames(worlds), std::vector<std::string>{"level.dat"});
    EXPECT_EQ(Doc().Folders().FindFolderByPath("Pack", false), nullptr);
    EXPECT_FALSE(Doc().Adding().FolderAsRoot());
}

TEST_F(WizardTasks, AddingFilesOrAFolderRunsInsertOnTheirPane) {
    const std::string file = disk.Write("one.txt", "1");
    prompts.openFiles.push_back({file});
    RunWizard([] {
        Click(kTaskFiles);
        Click(kFinish);
    });
    EXPECT_EQ(Frame().ActivePane(), &Frame().List());
    EXPECT_EQ(EntryNames(Root()), std::vector<std::string>{"one.txt"});

    disk.Write("Skins\\skin.dtx", "s");
    prompts.folders.push_back(disk.Path("Skins"));
    RunWizard([] {
        Click(kTaskFolders);
        Click(kFinish);
    });
    EXPECT_EQ(Frame().ActivePane(), &Frame().Tree());
    RezFolder* skins = Doc().Folders().FindFolderByPath("Skins", false);
    ASSERT_NE(skins, nullptr);
    EXPECT_EQ(EntryNames(skins), std::vector<std::string>{"skin.dtx"});
}

TEST_F(WizardTasks, CancelDoesNothing) {
    AddEntry(*Root(), "kept.dat", 1);
    ModelChanged();
    RunWizard([] {
        Click(kTaskExtract);
        Click(IDCANCEL);
    });
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_EQ(EntryNames(Root()), std::vector<std::string>{"kept.dat"});
}

}  // namespace
}  // namespace tarvex_test
