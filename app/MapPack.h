#pragma once
// Map packs: the archive folder that each kind of game content belongs in, per LithTech
// engine family, and the steps that fill a new archive with the user's files.
#include <optional>
#include <string>
#include <vector>

#include "app/TarvexDoc.h"

// Game types (page 2 of the wizard).
enum GameType { GameLithTech1 = 0, GameLithTech2 = 1, GameTalon = 2, GameJupiter = 3 };

// Content categories (page 3's check boxes; the control identifier is the category).
enum MapPackCategory {
    CharacterSkins = 1057,
    CharacterModels = 1058,
    WeaponSkins = 1059,
    WeaponModels = 1060,
    DeathMatchMaps = 1061,
    TeamAssaultMaps = 1062,
    CooperativeMaps = 1063,
    DoomsDayMaps = 1064,
    SinglePlayerMaps = 1067,
    AttributeFiles = 1069,
};

// The categories in the order the boxes are shown and their files asked for.
const std::vector<MapPackCategory>& MapPackCategoryOrder();

// String resource 10000 + 1000 * gameType + category.
int LayoutStringId(int gameType, int category);

// Where the folder-layout strings are read: the program's string table on Windows, so that a
// new game needs only new strings; the same table compiled in elsewhere.
class LayoutStrings {
  public:
    virtual ~LayoutStrings() = default;
    // Nothing when there is no string of that id.
    virtual std::optional<std::string> Find(int stringId) const = 0;
};
const LayoutStrings& BuiltInLayoutStrings();

// The archive folder path of a category for a game type; empty (the root) when the string is
// missing.
std::string LayoutFolder(int gameType, int category,
                         const LayoutStrings& strings = BuiltInLayoutStrings());

// How page 3 shows a box for a game type.
struct CategoryBox {
    bool shown = false;
    std::string text;
};
CategoryBox CategoryBoxFor(int gameType, int category);

// The open-file dialog (title, extension, filter) that asks for one category's files.
FileDialogOptions MapPackDialog(int gameType, int category);

// Builds a map pack into a new document: for every checked category in order, asks for files
// and adds each one to the category's folder. The archive is left unsaved. False when the
// user kept unsaved changes of the open archive (nothing was built).
bool BuildMapPack(CTarvexDoc& doc, int gameType, const std::vector<int>& checkedCategories,
                  const LayoutStrings& strings = BuiltInLayoutStrings());
