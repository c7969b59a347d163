#include <gtest/gtest.h>

#include "AppTestHost.h"
#include "app/MapPack.h"

namespace {

TEST(MapPackLayout, StringIdsAndFolders) {
    EXPECT_EQ(LayoutStringId(GameTalon, CooperativeMaps), 13063);
    EXPECT_EQ(BuiltInLayoutStrings().Find(13063), "Worlds\\Multi\\Evac");
    EXPECT_EQ(BuiltInLayoutStrings().Find(11057), "Skins\\Characters");
    EXPECT_EQ(BuiltInLayoutStrings().Find(12062), "Worlds\\AssaultMap");
    EXPECT_EQ(BuiltInLayoutStrings().Find(14069), "Attributes");
    EXPECT_EQ(BuiltInLayoutStrings().Find(14067), "Worlds\\RetailSinglePlayer");
    EXPECT_FALSE(BuiltInLayoutStrings().Find(11062).has_value());
    EXPECT_FALSE(BuiltInLayoutStrings().Find(11069).has_value());
    EXPECT_FALSE(BuiltInLayoutStrings().Find(13062).has_value());
    EXPECT_EQ(LayoutFolder(GameLithTech1, TeamAssaultMaps), "");
    EXPECT_EQ(LayoutFolder(GameJupiter, DoomsDayMaps), "Worlds\\RetailMultiplayer");
}

TEST(MapPackLayout, BoxesShownPerGameType) {
    EXPECT_FALSE(CategoryBoxFor(GameLithTech1, AttributeFiles).shown);
    EXPECT_TRUE(CategoryBoxFor(GameLithTech1, DeathMatchMaps).shown);
    EXPECT_TRUE(CategoryBoxFor(GameLithTech2, TeamAssaultMaps).shown);
    EXPECT_FALSE(CategoryBoxFor(GameLithTech2, CooperativeMaps).shown);
    EXPECT_FALSE(CategoryBoxFor(GameTalon, TeamAssaultMaps).shown);
    EXPECT_EQ(CategoryBoxFor(GameTalon, CooperativeMaps).text, "'Evac' Maps");
    EXPECT_EQ(CategoryBoxFor(GameTalon, DoomsDayMaps).text, "'OverRun' Maps");
    EXPECT_EQ(CategoryBoxFor(GameJupiter, DoomsDayMaps).text, "DoomsDay Maps");
}

struct MapPackBuild : ::testing::Test {
    AppTestHost host;
    CTarvexDoc doc{host};
    TempDir dir;
};

TEST_F(MapPackBuild, DoomsDayMapsOfJupiterLandInRetailMultiplayer) {
    const std::string one = dir.Write("DD_one.dat", "1"), two = dir.Write("DD_two.dat", "22");
    host.prompts.openFiles.push_back({one, two});
    ASSERT_TRUE(BuildMapPack(doc, GameJupiter, {DoomsDayMaps}));
    ASSERT_EQ(host.prompts.dialogs.size(), 1u);
    EXPECT_EQ(host.prompts.dialogs[0].title, "Select your DoomsDay Map(s)");
    EXPECT_EQ(host.prompts.dialogs[0].filter, "Doomsday Maps (*.DAT)|DD_*.DAT||");
    EXPECT_EQ(
        host.prompts.dialogs[0].rules,
        (FileDialogRules{.multipleFiles = true, .fileMustExist = true, .hideReadOnly = true}));
    RezFolder* folder = doc.Folders().FindFolderByPath("Worlds\\RetailMultiplayer", false);
    ASSERT_NE(folder, nullptr);
    EXPECT_EQ(EntryNames(*folder), (std::vector<std::string>{one, two}));
    EXPECT_EQ(support::Collect(folder->entries, &RezEntry::size),
              (std::vector<std::uint32_t>{1, 2}));
    EXPECT_TRUE(doc.Root()->entries.empty());
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(MapPackBuild, CategoriesAreAskedInPageOrderAndCancelSkipsOne) {
    const std::string skin = dir.Write("skin.dtx", "s"), evac = dir.Write("evac.dat", "e");
    host.prompts.openFiles = {{skin}, {}, {evac}};
    ASSERT_TRUE(BuildMapPack(doc, GameTalon, {CooperativeMaps, CharacterSkins, AttributeFiles}));
    ASSERT_EQ(host.prompts.dialogs.size(), 3u);
    EXPECT_EQ(host.prompts.dialogs[0].title, "Select your Character Skin file(s)");
    EXPECT_EQ(host.prompts.dialogs[0].defaultExtension, ".DTX");
    EXPECT_EQ(host.prompts.dialogs[1].title, "Select your Attribute file(s)");
    EXPECT_EQ(host.prompts.dialogs[2].title, "Select your Evac Map(s)");
    EXPECT_EQ(host.prompts.dialogs[2].filter, "LithTech Maps (*.DAT)|*.DAT||");
    const RezFolder* skins = doc.Folders().FindFolderByPath("Skins\\Chars", false);
    ASSERT_NE(skins, nullptr);
    EXPECT_EQ(EntryNames(*skins), std::vector<std::string>{skin});
    EXPECT_EQ(doc.Folders().FindFolderByPath("Attributes", false), nullptr);
    const RezFolder* maps = doc.Folders().FindFolderByPath("Worlds\\Multi\\Evac", false);
    ASSERT_NE(maps, nullptr);
    EXPECT_EQ(EntryNames(*maps), std::vector<std::string>{evac});
}

TEST_F(MapPackBuild, AMissingLayoutStringMeansTheRoot) {
    const std::string assault = dir.Write("assault.dat", "a");
    host.prompts.openFiles = {{assault}};
    ASSERT_TRUE(BuildMapPack(doc, GameLithTech1, {TeamAssaultMaps}));
    EXPECT_EQ(EntryNames(*doc.Root()), std::vector<std::string>{assault});
    EXPECT_EQ(doc.Folders().Size(), 1u);
}

TEST_F(MapPackBuild, UnsavedChangesKeptByCancelStopTheBuild) {
    RecordingProgress progress;
    doc.Adding().AddFile(dir.Write("keep.txt", "k"), nullptr, progress);
    host.prompts.answers.push_back(PromptAnswer::Cancel);
    EXPECT_FALSE(BuildMapPack(doc, GameJupiter, {DeathMatchMaps}));
    EXPECT_EQ(doc.TotalEntryCount(), 1u);
    EXPECT_TRUE(host.prompts.dialogs.empty());
}

}  // namespace
