#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "AppTestHost.h"
#include "app/WizardRules.h"
#include "app/WizardTasks.h"

namespace {

TEST(WizardRules, RadioButtonsStandForTasksAndGames) {
    const int tasks[] = {1053, 1054, 1055, 1036, 1056};
    for (int task = 0; task < 5; ++task) {
        EXPECT_EQ(TaskControl(task), tasks[task]);
        EXPECT_EQ(TaskOfControl(tasks[task]), task);
    }
    const int games[] = {1036, 1038, 1039, 1040};
    for (int game = 0; game < 4; ++game) {
        EXPECT_EQ(GameControl(game), games[game]);
        EXPECT_EQ(GameOfControl(games[game]), game);
    }
    EXPECT_FALSE(TaskOfControl(1037).has_value());
    EXPECT_FALSE(GameOfControl(1053).has_value());
    EXPECT_EQ(TaskControl(5), 0);
    EXPECT_EQ(GameControl(-1), 0);
}

TEST(WizardRules, EveryRunStartsWithTheMapPackForJupiterAndNoBoxes) {
    WizardChoices choices;
    EXPECT_EQ(choices.Task(), 2);
    EXPECT_EQ(choices.GameType(), 3);
    EXPECT_TRUE(choices.CategoriesToAsk().empty());
}

TEST(WizardRules, OnlyTheMapPackTaskGoesOnFromTheFirstPage) {
    WizardChoices choices;
    const WizardButtons nextOnly{false, true, false};
    const WizardButtons finishOnly{false, false, true};
    EXPECT_EQ(ButtonsOf(TaskPage, choices), nextOnly);
    EXPECT_EQ(NextPageOf(TaskPage, choices), GamePage);
    for (int task : {0, 1, 3, 4}) {
        choices.ChooseTask(task);
        EXPECT_EQ(ButtonsOf(TaskPage, choices), finishOnly) << task;
        EXPECT_FALSE(NextPageOf(TaskPage, choices).has_value()) << task;
    }
    choices.ChooseTask(TaskMapPack);
    EXPECT_EQ(ButtonsOf(TaskPage, choices), nextOnly);
}

TEST(WizardRules, TheMiddlePageGoesBothWaysAndTheLastOneFinishes) {
    WizardChoices choices;
    EXPECT_EQ(ButtonsOf(GamePage, choices), (WizardButtons{true, true, false}));
    EXPECT_EQ(NextPageOf(GamePage, choices), ContentPage);
    EXPECT_EQ(PreviousPageOf(GamePage), TaskPage);
    EXPECT_EQ(ButtonsOf(ContentPage, choices), (WizardButtons{true, false, true}));
    EXPECT_FALSE(NextPageOf(ContentPage, choices).has_value());
    EXPECT_EQ(PreviousPageOf(ContentPage), GamePage);
    EXPECT_FALSE(PreviousPageOf(TaskPage).has_value());
}

TEST(WizardRules, TheTalonWarningComesWithEveryClickOnTalonOnly) {
    WizardChoices choices;
    EXPECT_TRUE(choices.ClickGame(2));
    EXPECT_EQ(choices.GameType(), 2);
    EXPECT_TRUE(choices.ClickGame(2));  // a second click warns again
    EXPECT_FALSE(choices.ClickGame(0));
    EXPECT_FALSE(choices.ClickGame(1));
    EXPECT_FALSE(choices.ClickGame(3));
    EXPECT_EQ(choices.GameType(), 3);
}

TEST(WizardRules, BoxesShownHiddenAndRelabelledPerGameType) {
    // Written out from the page's table: the shown boxes per game type, in page order.
    const std::vector<int> shown[4] = {
        {1057, 1058, 1059, 1060, 1067, 1061},
        {1057, 1058, 1059, 1060, 1069, 1067, 1061, 1062},
        {1057, 1058, 1059, 1060, 1069, 1067, 1061, 1063, 1064},
        {1057, 1058, 1059, 1060, 1069, 1067, 1061, 1063, 1064},
    };
    const int all[] = {1057, 1058, 1059, 1060, 1069, 1067, 1061, 1062, 1063, 1064};
    for (int game = 0; game < 4; ++game) {
        WizardChoices choices;
        choices.ClickGame(game);
        for (int category : all)
            choices.SetChecked(category, true);
        EXPECT_EQ(choices.CategoriesToAsk(), shown[game]) << game;
        for (int category : all) {
            const bool expected = std::count(shown[game].begin(), shown[game].end(), category);
            EXPECT_EQ(CategoryBoxFor(game, category).shown, expected) << game << " " << category;
        }
    }
    const char* texts[] = {"New Character Skins", "New Character Models", "New Weapon Skins",
                           "New Weapon Models",   "New Attribute Files",  "Singleplayer Maps",
                           "DeathMatch Maps",     "Team Assault Maps",    "Cooperative Maps",
                           "DoomsDay Maps"};
    for (int game : {0, 1, 3}) {
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(CategoryBoxFor(game, all[i]).text, texts[i]) << game << " " << all[i];
    }
    EXPECT_EQ(CategoryBoxFor(2, 1063).text, "'Evac' Maps");
    EXPECT_EQ(CategoryBoxFor(2, 1064).text, "'OverRun' Maps");
    EXPECT_EQ(CategoryBoxFor(2, 1062).text, "Team Assault Maps");
}

TEST(WizardRules, ShownBoxesCloseUpInTheirColumn) {
    // Talon hides team assault maps, the third box of the second column.
    EXPECT_EQ(BoxSlot(2, 1067), 0);
    EXPECT_EQ(BoxSlot(2, 1061), 1);
    EXPECT_FALSE(BoxSlot(2, 1062).has_value());
    EXPECT_EQ(BoxSlot(2, 1063), 2);
    EXPECT_EQ(BoxSlot(2, 1064), 3);
    EXPECT_EQ(BoxSlot(2, 1069), 4);  // the first column is whole
    // Shogo hides the attribute box, the last of the first column, and the last three of the
    // second.
    EXPECT_EQ(BoxSlot(0, 1060), 3);
    EXPECT_FALSE(BoxSlot(0, 1069).has_value());
    EXPECT_EQ(BoxSlot(0, 1061), 1);
    EXPECT_EQ(BoxSlot(1, 1062), 2);
    EXPECT_FALSE(BoxSlot(3, 1053).has_value());
}

TEST(WizardRules, AHiddenCheckedBoxIsNotAskedForButKeepsItsCheck) {
    WizardChoices choices;
    choices.ClickGame(1);
    choices.SetChecked(1062, true);  // team assault, shown for game type 1
    choices.SetChecked(1057, true);
    EXPECT_EQ(choices.CategoriesToAsk(), (std::vector<int>{1057, 1062}));
    choices.ClickGame(3);  // hides team assault
    EXPECT_EQ(choices.CategoriesToAsk(), std::vector<int>{1057});
    EXPECT_TRUE(choices.IsChecked(1062));
    choices.ClickGame(1);
    EXPECT_EQ(choices.CategoriesToAsk(), (std::vector<int>{1057, 1062}));
    choices.SetChecked(1062, false);
    EXPECT_EQ(choices.CategoriesToAsk(), std::vector<int>{1057});
}

// The folder of every category for every game type, missing strings meaning the root.
TEST(MapPackLayout, AllFortyCells) {
    struct Row {
        int category;
        const char* folders[4];
    };
    const Row table[] = {
        {1057, {"Skins\\Characters", "Chars\\Skins", "Skins\\Chars", "Chars\\Skins"}},
        {1058, {"Models\\Characters", "Chars\\Models", "Models\\Chars", "Chars\\Models"}},
        {1059, {"Skins\\Weapons", "Guns\\Skins_PV", "Skins\\Weapons", "Guns\\Skins_PV"}},
        {1060, {"Models\\PV_Weapons", "Guns\\Models_PV", "Models\\Weapons", "Guns\\Models_PV"}},
        {1061,
         {"Worlds\\Multi", "Worlds\\DeathMatch", "Worlds\\Multi\\DM", "Worlds\\RetailMultiplayer"}},
        {1062, {"", "Worlds\\AssaultMap", "", ""}},
        {1063, {"", "", "Worlds\\Multi\\Evac", "Worlds\\RetailMultiplayer"}},
        {1064, {"", "", "Worlds\\Multi\\Overrun", "Worlds\\RetailMultiplayer"}},
        {1067, {"Worlds", "Worlds", "Worlds\\SinglePlayer", "Worlds\\RetailSinglePlayer"}},
        {1069, {"", "Attributes", "Attributes", "Attributes"}},
    };
    int missing = 0;
    for (const Row& row : table) {
        for (int type = 0; type < 4; ++type) {
            const int id = 10000 + 1000 * type + row.category;
            EXPECT_EQ(LayoutStringId(type, row.category), id);
            EXPECT_EQ(LayoutFolder(type, row.category), row.folders[type]) << id;
            const bool absent = *row.folders[type] == '\0';
            EXPECT_EQ(BuiltInLayoutStrings().Find(id).has_value(), !absent) << id;
            missing += absent;
        }
    }
    EXPECT_EQ(missing, 8);
}

// Layout strings of a game the table does not know, as a new string table would give them.
class OtherStrings : public LayoutStrings {
  public:
    std::optional<std::string> Find(int id) const override {
        if (id == 14061)
            return std::string("Net\\Arena");
        return std::nullopt;
    }
};

// What the window would do for the tasks it carries out itself.
class RecordingTasks : public WizardTaskHost {
  public:
    explicit RecordingTasks(CTarvexDoc& doc) : doc_(doc) {}
    std::vector<std::string> calls;
    bool folderAsRootDuringInsert = false;
    void InsertFiles() override { calls.push_back("insert files"); }
    void InsertFolder() override {
        calls.push_back("insert folder");
        folderAsRootDuringInsert = doc_.Adding().FolderAsRoot();
    }
    void ExtractArchive() override { calls.push_back("extract"); }

  private:
    CTarvexDoc& doc_;
};

struct WizardTaskTest : ::testing::Test {
    AppTestHost host;
    CTarvexDoc doc{host};
    RecordingTasks tasks{doc};
    WizardChoices choices;
    TempDir dir;

    void SetUp() override { doc.NewDocument(); }
};

TEST_F(WizardTaskTest, TheInsertTasksRunTheWindowsInsertCommand) {
    choices.ChooseTask(TaskAddFiles);
    RunWizardTask(doc, choices, tasks);
    choices.ChooseTask(TaskAddFolders);
    RunWizardTask(doc, choices, tasks);
    EXPECT_EQ(tasks.calls, (std::vector<std::string>{"insert files", "insert folder"}));
    EXPECT_FALSE(tasks.folderAsRootDuringInsert);
    EXPECT_TRUE(host.prompts.asked.empty());
}

TEST_F(WizardTaskTest, TheFolderTaskIsNewProjectsInsertIntoTheOpenArchive) {
    RecordingProgress progress;
    doc.Adding().AddFile(dir.Write("kept.txt", "k"), nullptr, progress);
    choices.ChooseTask(TaskMapPackFolder);
    RunWizardTask(doc, choices, tasks);
    EXPECT_EQ(tasks.calls, std::vector<std::string>{"insert folder"});
    EXPECT_TRUE(tasks.folderAsRootDuringInsert);
    EXPECT_FALSE(doc.Adding().FolderAsRoot());
    EXPECT_EQ(doc.TotalEntryCount(), 1u);  // not emptied first
    EXPECT_TRUE(host.prompts.asked.empty());
}

TEST_F(WizardTaskTest, TheFolderFlagFillsTheTargetAndNamesTheRoot) {
    // What the window's Insert command does while the flag is set.
    class InsertingTasks : public RecordingTasks {
      public:
        InsertingTasks(CTarvexDoc& doc, const std::string& folder)
            : RecordingTasks(doc), doc_(doc), folder_(folder) {}
        void InsertFolder() override {
            RecordingProgress progress;
            doc_.Adding().AddFolder(folder_, nullptr, true, progress);
        }

      private:
        CTarvexDoc& doc_;
        std::string folder_;
    };
    dir.Write("Maps/Worlds/a.dat", "a");
    dir.Write("Maps/top.txt", "t");
    InsertingTasks inserting(doc, dir.Path("Maps"));
    choices.ChooseTask(TaskMapPackFolder);
    RunWizardTask(doc, choices, inserting);
    EXPECT_EQ(doc.Root()->name, "Maps.rez");
    EXPECT_EQ(doc.Root()->entries.size(), 1u);
    EXPECT_NE(doc.Folders().FindFolderByPath("Worlds", false), nullptr);
    EXPECT_EQ(doc.Folders().FindFolderByPath("Maps", false), nullptr);
}

TEST_F(WizardTaskTest, ExtractNeedsALoadedArchive) {
    choices.ChooseTask(TaskExtract);
    RunWizardTask(doc, choices, tasks);
    EXPECT_TRUE(tasks.calls.empty());
    ASSERT_EQ(host.prompts.asked.size(), 1u);
    EXPECT_EQ(host.prompts.asked[0].text, "No REZ file loaded to extract.");
    EXPECT_EQ(host.prompts.asked[0].buttons, PromptButtons::Ok);

    doc.SetArchivePath(dir.Write("open.rez", "x"));
    RunWizardTask(doc, choices, tasks);
    EXPECT_EQ(tasks.calls, std::vector<std::string>{"extract"});
    EXPECT_EQ(host.prompts.asked.size(), 1u);
}

TEST_F(WizardTaskTest, DoomsDayMapsOfJupiterAreAskedWithThePrefixFilter) {
    choices.ChooseTask(TaskMapPack);
    choices.SetChecked(DoomsDayMaps, true);
    host.prompts.openFiles.push_back({dir.Write("DD_one.DAT", "1"), dir.Write("DD_two.DAT", "2")});
    RunWizardTask(doc, choices, tasks);
    ASSERT_EQ(host.prompts.dialogs.size(), 1u);
    const FileDialogOptions& dialog = host.prompts.dialogs[0];
    EXPECT_EQ(dialog.title, "Select your DoomsDay Map(s)");
    EXPECT_EQ(dialog.filter, "Doomsday Maps (*.DAT)|DD_*.DAT||");
    EXPECT_EQ(dialog.defaultExtension, ".DAT");
    EXPECT_EQ(
        dialog.rules,
        (FileDialogRules{.multipleFiles = true, .fileMustExist = true, .hideReadOnly = true}));
    RezFolder* worlds = doc.Folders().FindFolderByPath("Worlds\\RetailMultiplayer", false);
    ASSERT_NE(worlds, nullptr);
    ASSERT_EQ(worlds->entries.size(), 2u);
    EXPECT_EQ(ItemNameOf(worlds->entries.back()), "DD_two.DAT");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(tasks.calls.empty());
}

TEST_F(WizardTaskTest, EvacMapsOfTalonLandInTheirFolderAndTheViewsShowTheLastFile) {
    choices.ClickGame(GameTalon);
    choices.SetChecked(CooperativeMaps, true);
    host.prompts.openFiles.push_back({dir.Write("evac.dat", "e")});
    host.viewUpdates = 0;
    RunWizardTask(doc, choices, tasks);
    ASSERT_EQ(host.prompts.dialogs.size(), 1u);
    EXPECT_EQ(host.prompts.dialogs[0].title, "Select your Evac Map(s)");
    EXPECT_EQ(host.prompts.dialogs[0].filter, "LithTech Maps (*.DAT)|*.DAT||");
    RezFolder* evac = doc.Folders().FindFolderByPath("Worlds\\Multi\\Evac", false);
    ASSERT_NE(evac, nullptr);
    EXPECT_EQ(evac->entries.size(), 1u);
    EXPECT_GE(host.viewUpdates, 2);  // before the file is added, and after
}

TEST_F(WizardTaskTest, AnAttributeBoxCheckedForAnotherGameIsNotAskedForShogo) {
    choices.ClickGame(GameLithTech2);
    choices.SetChecked(AttributeFiles, true);
    choices.SetChecked(DeathMatchMaps, true);
    choices.ClickGame(GameLithTech1);
    host.prompts.openFiles.push_back({dir.Write("dm.dat", "d")});
    RunWizardTask(doc, choices, tasks);
    ASSERT_EQ(host.prompts.dialogs.size(), 1u);
    EXPECT_EQ(host.prompts.dialogs[0].title, "Select your DeathMatch Map(s)");
    EXPECT_EQ(host.prompts.dialogs[0].filter, "LithTech Maps (*.DAT)|*.DAT||");
    EXPECT_NE(doc.Folders().FindFolderByPath("Worlds\\Multi", false), nullptr);
    EXPECT_EQ(doc.Folders().FindFolderByPath("Attributes", false), nullptr);
}

TEST_F(WizardTaskTest, EveryDialogOfAFullJupiterPackInPageOrder) {
    choices.ChooseTask(TaskMapPack);
    for (MapPackCategory category : MapPackCategoryOrder())
        choices.SetChecked(category, true);
    RunWizardTask(doc, choices, tasks);
    struct Dialog {
        const char* title;
        const char* extension;
        const char* filter;
    };
    const Dialog expected[] = {
        {"Select your Character Skin file(s)", ".DTX", "DTX Textures (*.DTX)|*.DTX||"},
        {"Select your Character Model file(s)", "", "LithTech Models (*.ABC;*.LTB)|*.ABC; *.LTB||"},
        {"Select your Weapon Skin file(s)", ".DTX", "DTX Textures (*.DTX)|*.DTX||"},
        {"Select your Weapon Model file(s)", "", "LithTech Models (*.ABC;*.LTB)|*.ABC; *.LTB||"},
        {"Select your Attribute file(s)", ".TXT", "Attribute Files (*.TXT)|*.TXT||"},
        {"Select your Singleplayer Map(s)", ".DAT", "LithTech Maps (*.DAT)|*.DAT||"},
        {"Select your DeathMatch Map(s)", ".DAT", "DeathMatch Maps (*.DAT)|DM_*.DAT||"},
        {"Select your Cooperative Map(s)", ".DAT", "Cooperative Maps (*.DAT)|CP_*.DAT||"},
        {"Select your DoomsDay Map(s)", ".DAT", "Doomsday Maps (*.DAT)|DD_*.DAT||"},
    };
    ASSERT_EQ(host.prompts.dialogs.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(host.prompts.dialogs[i].title, expected[i].title) << i;
        EXPECT_EQ(host.prompts.dialogs[i].defaultExtension, expected[i].extension) << i;
        EXPECT_EQ(host.prompts.dialogs[i].filter, expected[i].filter) << i;
        EXPECT_EQ(
            host.prompts.dialogs[i].rules,
            (FileDialogRules{.multipleFiles = true, .fileMustExist = true, .hideReadOnly = true}))
            << i;
    }
    // Every dialog was cancelled: nothing added, no folder made.
    EXPECT_EQ(doc.Folders().Size(), 1u);
}

TEST_F(WizardTaskTest, TheLayoutComesFromTheStringsGiven) {
    choices.SetChecked(DeathMatchMaps, true);
    choices.SetChecked(SinglePlayerMaps, true);
    host.prompts.openFiles = {{dir.Write("sp.dat", "s")}, {dir.Write("DM_arena.dat", "a")}};
    RunWizardTask(doc, choices, tasks, OtherStrings());
    EXPECT_NE(doc.Folders().FindFolderByPath("Net\\Arena", false), nullptr);
    EXPECT_EQ(doc.Folders().FindFolderByPath("Worlds\\RetailMultiplayer", false), nullptr);
    // No string for single-player maps in that table: the root.
    EXPECT_EQ(doc.Root()->entries.size(), 1u);
}

}  // namespace
