// Tarvex's string tables as the program loads them, against texts written out by hand.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

#include "ResourceBytes.h"

namespace {

TEST(Strings, TemplateTitleStatusPanesAndTalonWarning) {
    EXPECT_EQ(LoadedString(128),
              "Tarvex\n\nRez\nTarvex Files (*.rez)\n.rez\nTarvex.File\nRez File");
    EXPECT_EQ(LoadedString(57344), "Tarvex");
    EXPECT_EQ(LoadedString(57345), "Ready");
    EXPECT_EQ(LoadedString(105), "Status 1");
    EXPECT_EQ(LoadedString(106), "Status 2");
    EXPECT_EQ(LoadedString(130),
              "Because of significant differences in Folder structure for Talon based games "
              "you will \nhave to verify wether or not the basic structure created is suitable "
              "for your game.\nIf not, you will have to manually create the folder structure.");
}

TEST(Strings, CommandPromptsGivenWordForWord) {
    const std::map<int, std::string> prompts = {
        {57600, "Create a new REZ file\nNew"},
        {32789, "Create an new Empty Rez File.\nNew Rez File."},
        {57602, "Close the active file\nClose"},
        {32790, "Create a new Rez File from a Directory.\nNew Project"},
        {57601, "Open an existing file\nOpen"},
        {57603, "Save the active file\nSave"},
        {57604, "Save the active file with a new name\nSave As"},
        {32773, "Delete files from the REZ File\nDelete"},
        {32772, "Extract files from the REZ File\nExtract"},
        {32771, "Insert files or folders into the REZ file\nInsert"},
        {32781, "Insert an Empty Folder in the tree\nInsert Empty Folder."},
        {32782, "Rename a Folder or File\nRename"},
        {32791, "Show the Help File.\nHelp"},
    };
    for (const auto& [id, text] : prompts)
        EXPECT_EQ(LoadedString(id), text) << id;
}

// Every command of the menus, the toolbars and the keys has a status-bar prompt and a tooltip.
TEST(Strings, EveryCommandHasPromptAndTooltip) {
    std::set<int> commands;
    for (int menuId : {128, 104}) {
        HMENU menu = LoadMenuA(Instance(), MAKEINTRESOURCEA(menuId));
        ASSERT_NE(menu, nullptr);
        std::vector<HMENU> popups = {menu};
        while (!popups.empty()) {
            HMENU popup = popups.back();
            popups.pop_back();
            for (int i = 0; i < GetMenuItemCount(popup); ++i) {
                if (HMENU sub = GetSubMenu(popup, i))
                    popups.push_back(sub);
                else if (GetMenuItemID(popup, i) != 0)
                    commands.insert(static_cast<int>(GetMenuItemID(popup, i)));
            }
        }
        DestroyMenu(menu);
    }
    for (int id = 32809; id <= 32824; ++id)  // the visited folders of Go To
        commands.insert(id);
    for (int id : {32789, 57617, 57618, 57619, 32827, 32828, 57680, 57681})
        commands.insert(id);
    EXPECT_EQ(commands.size(), 57u);
    for (int id : commands) {
        const std::string text = LoadedString(id).value_or("");
        const size_t newline = text.find('\n');
        EXPECT_TRUE(newline != std::string::npos && newline > 0 && newline + 1 < text.size())
            << id << ": \"" << text << '"';
    }
}

// The folder of each map-pack category per game type: 10000 + 1000 * type + category.
TEST(Strings, EveryFolderLayoutCell) {
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
        {1062, {nullptr, "Worlds\\AssaultMap", nullptr, nullptr}},
        {1063, {nullptr, nullptr, "Worlds\\Multi\\Evac", "Worlds\\RetailMultiplayer"}},
        {1064, {nullptr, nullptr, "Worlds\\Multi\\Overrun", "Worlds\\RetailMultiplayer"}},
        {1067, {"Worlds", "Worlds", "Worlds\\SinglePlayer", "Worlds\\RetailSinglePlayer"}},
        {1069, {nullptr, "Attributes", "Attributes", "Attributes"}},
    };
    int present = 0;
    for (const Row& row : table) {
        for (int type = 0; type < 4; ++type) {
            const int id = 10000 + 1000 * type + row.category;
            const auto loaded = LoadedString(id);
            if (row.folders[type] == nullptr) {
                EXPECT_FALSE(loaded.has_value()) << id << " should be absent: " << *loaded;
            } else {
                EXPECT_EQ(loaded, row.folders[type]) << id;
                ++present;
            }
        }
    }
    EXPECT_EQ(present, 32);
    EXPECT_EQ(LoadedString(13063), "Worlds\\Multi\\Evac");
    int inRange = 0;  // nothing else lies in the range of the table
    for (int id = 10000; id < 15000; ++id)
        inRange += LoadedString(id).has_value();
    EXPECT_EQ(inRange, 32);
}

// The messages are the code's own texts (tested with it); the table holds no second copy
// that could drift from them, only the wizard's message that no code holds yet.
TEST(Strings, MessagesAreNotCopiedFromTheCode) {
    for (int id = 20000; id < 20100; ++id) {
        if (id != 20039) {
            EXPECT_FALSE(LoadedString(id).has_value()) << id << ": " << *LoadedString(id);
        }
    }
    EXPECT_EQ(LoadedString(20039), "No REZ file loaded to extract.");
}

}  // namespace
