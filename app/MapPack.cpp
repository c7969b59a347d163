#include "app/MapPack.h"

#include <map>

namespace {

// Per category: the folder of game types 0 to 3 (nullptr: no string, the root).
struct LayoutRow {
    int category;
    const char* folders[4];
};
constexpr LayoutRow kLayouts[] = {
    {CharacterSkins, {"Skins\\Characters", "Chars\\Skins", "Skins\\Chars", "Chars\\Skins"}},
    {CharacterModels, {"Models\\Characters", "Chars\\Models", "Models\\Chars", "Chars\\Models"}},
    {WeaponSkins, {"Skins\\Weapons", "Guns\\Skins_PV", "Skins\\Weapons", "Guns\\Skins_PV"}},
    {WeaponModels, {"Models\\PV_Weapons", "Guns\\Models_PV", "Models\\Weapons", "Guns\\Models_PV"}},
    {DeathMatchMaps,
     {"Worlds\\Multi", "Worlds\\DeathMatch", "Worlds\\Multi\\DM", "Worlds\\RetailMultiplayer"}},
    {TeamAssaultMaps, {nullptr, "Worlds\\AssaultMap", nullptr, nullptr}},
    {CooperativeMaps, {nullptr, nullptr, "Worlds\\Multi\\Evac", "Worlds\\RetailMultiplayer"}},
    {DoomsDayMaps, {nullptr, nullptr, "Worlds\\Multi\\Overrun", "Worlds\\RetailMultiplayer"}},
    {SinglePlayerMaps, {"Worlds", "Worlds", "Worlds\\SinglePlayer", "Worlds\\RetailSinglePlayer"}},
    {AttributeFiles, {nullptr, "Attributes", "Attributes", "Attributes"}},
};

const char* DefaultBoxText(int category) {
    switch (category) {
        case CharacterSkins:
            return "New Character Skins";
        case CharacterModels:
            return "New Character Models";
        case WeaponSkins:
            return "New Weapon Skins";
        case WeaponModels:
            return "New Weapon Models";
        case AttributeFiles:
            return "New Attribute Files";
        case SinglePlayerMaps:
            return "Singleplayer Maps";
        case DeathMatchMaps:
            return "DeathMatch Maps";
        case TeamAssaultMaps:
            return "Team Assault Maps";
        case CooperativeMaps:
            return "Cooperative Maps";
        case DoomsDayMaps:
            return "DoomsDay Maps";
        default:
            return "";
    }
}

bool BoxShown(int gameType, int category) {
    switch (category) {
        case AttributeFiles:
            return gameType != GameLithTech1;
        case TeamAssaultMaps:
            return gameType == GameLithTech2;
        case CooperativeMaps:
        case DoomsDayMaps:
            return gameType == GameTalon || gameType == GameJupiter;
        default:
            return true;
    }
}

std::string DialogTitle(int gameType, int category) {
    switch (category) {
        case CharacterSkins:
            return "Select your Character Skin file(s)";
        case CharacterModels:
            return "Select your Character Model file(s)";
        case WeaponSkins:
            return "Select your Weapon Skin file(s)";
        case WeaponModels:
            return "Select your Weapon Model file(s)";
        case AttributeFiles:
            return "Select your Attribute file(s)";
        case SinglePlayerMaps:
            return "Select your Singleplayer Map(s)";
        case DeathMatchMaps:
            return "Select your DeathMatch Map(s)";
        case TeamAssaultMaps:
            return "Select your Assault Map(s)";
        case CooperativeMaps:
            return gameType == GameTalon ? "Select your Evac Map(s)"
                                         : "Select your Cooperative Map(s)";
        case DoomsDayMaps:
            return gameType == GameTalon ? "Select your OverRun Map(s)"
                                         : "Select your DoomsDay Map(s)";
        default:
            return "";
    }
}

}  // namespace

const std::vector<MapPackCategory>& MapPackCategoryOrder() {
    static const std::vector<MapPackCategory> order = {
        CharacterSkins,   CharacterModels, WeaponSkins,     WeaponModels,    AttributeFiles,
        SinglePlayerMaps, DeathMatchMaps,  TeamAssaultMaps, CooperativeMaps, DoomsDayMaps};
    return order;
}

int LayoutStringId(int gameType, int category) {
    return 10000 + 1000 * gameType + category;
}

const LayoutStrings& BuiltInLayoutStrings() {
    class BuiltIn : public LayoutStrings {
      public:
        BuiltIn() {
            for (const LayoutRow& row : kLayouts) {
                for (int t = 0; t < 4; ++t)
                    if (row.folders[t])
                        strings_[LayoutStringId(t, row.category)] = row.folders[t];
            }
        }
        std::optional<std::string> Find(int stringId) const override {
            auto it = strings_.find(stringId);
            if (it == strings_.end())
                return std::nullopt;
            return it->second;
        }

      private:
        std::map<int, std::string> strings_;
    };
    static const BuiltIn strings;
    return strings;
}

std::string LayoutFolder(int gameType, int category, const LayoutStrings& strings) {
    return strings.Find(LayoutStringId(gameType, category)).value_or("");
}

CategoryBox CategoryBoxFor(int gameType, int category) {
    CategoryBox box;
    box.shown = BoxShown(gameType, category);
    box.text = DefaultBoxText(category);
    if (gameType == GameTalon && category == CooperativeMaps)
        box.text = "'Evac' Maps";
    if (gameType == GameTalon && category == DoomsDayMaps)
        box.text = "'OverRun' Maps";
    return box;
}

FileDialogOptions MapPackDialog(int gameType, int category) {
    FileDialogOptions options;
    options.rules = {.multipleFiles = true, .fileMustExist = true, .hideReadOnly = true};
    options.title = DialogTitle(gameType, category);
    switch (category) {
        case CharacterSkins:
        case WeaponSkins:
            options.defaultExtension = ".DTX";
            options.filter = "DTX Textures (*.DTX)|*.DTX||";
            break;
        case CharacterModels:
        case WeaponModels:
            options.filter = "LithTech Models (*.ABC;*.LTB)|*.ABC; *.LTB||";
            break;
        case AttributeFiles:
            options.defaultExtension = ".TXT";
            options.filter = "Attribute Files (*.TXT)|*.TXT||";
            break;
        default:
            options.defaultExtension = ".DAT";
            options.filter = "LithTech Maps (*.DAT)|*.DAT||";
            break;
    }
    if (gameType == GameJupiter) {
        // Jupiter games tell their multiplayer maps apart by a name prefix.
        if (category == DeathMatchMaps)
            options.filter = "DeathMatch Maps (*.DAT)|DM_*.DAT||";
        if (category == CooperativeMaps)
            options.filter = "Cooperative Maps (*.DAT)|CP_*.DAT||";
        if (category == DoomsDayMaps)
            options.filter = "Doomsday Maps (*.DAT)|DD_*.DAT||";
    }
    return options;
}

bool BuildMapPack(CTarvexDoc& doc, int gameType, const std::vector<int>& checkedCategories,
                  const LayoutStrings& strings) {
    std::unique_ptr<ProgressSink> progress = doc.Host().MakeProgress();
    SetUpProgress(*progress);
    // Unsaved changes are never dropped: a cancelled or failed save stops here.
    if (!doc.PromptSaveChanges())
        return false;
    doc.NewDocument();
    for (MapPackCategory category : MapPackCategoryOrder()) {
        bool checked = false;
        for (int c : checkedCategories)
            checked = checked || c == category;
        if (!checked)
            continue;
        const std::vector<std::string> paths =
            doc.Host().Prompts().ChooseOpenFiles(MapPackDialog(gameType, category));
        for (const std::string& path : paths) {
            RezFolder* folder = doc.Adding().FindOrCreateFolderPath(
                LayoutFolder(gameType, category, strings), nullptr);
            doc.Host().UpdateAllViews();
            doc.Adding().AddFile(path, folder, *progress);
        }
    }
    // The views show the last file too.
    doc.Host().UpdateAllViews();
    return true;
}
