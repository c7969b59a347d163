#include <gtest/gtest.h>

#include <set>

#include "shellmenu/MenuCommands.h"

namespace {

using Paths = std::vector<std::string>;

// The disk as a set of folders.
struct Disk {
    std::set<std::string> folders;
    DirectoryTest Test() const {
        return [this](const std::string& path) { return folders.count(path) != 0; };
    }
};

struct Expected {
    unsigned offset;
    const char* text;
};

void ExpectPlan(const MenuPlan& plan, const std::vector<Expected>& entries, unsigned used) {
    ASSERT_EQ(plan.entries.size(), entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(plan.entries[i].offset, entries[i].offset) << i;
        EXPECT_EQ(plan.entries[i].text, entries[i].text) << i;
    }
    EXPECT_EQ(plan.identifiersUsed, used);
}

const Disk kDisk{{"C:\\Maps\\Sounds", "C:\\Maps\\Maps.rez", "C:\\Maps\\Old.rez", "C:\\"}};

TEST(MenuPlan, OneFileOrFolderGetsBothAddEntries) {
    ExpectPlan(PlanMenu({"C:\\Docs\\notes.txt"}, 0, kDisk.Test()),
               {{0, "Add to &Rez"}, {1, "&Add to notes.rez"}}, 2);
    ExpectPlan(PlanMenu({"C:\\Maps\\Sounds"}, 0, kDisk.Test()),
               {{0, "Add to &Rez"}, {1, "&Add to Sounds.rez"}}, 2);
    ExpectPlan(PlanMenu({"C:\\Docs\\README"}, 0, kDisk.Test()),
               {{0, "Add to &Rez"}, {1, "&Add to README.rez"}}, 2);
    // A folder named like an archive is an item to pack.
    ExpectPlan(PlanMenu({"C:\\Maps\\Maps.rez"}, 0, kDisk.Test()),
               {{0, "Add to &Rez"}, {1, "&Add to Maps~.rez"}}, 2);
}

TEST(MenuPlan, OneArchiveGetsTheExtractEntries) {
    for (const char* path : {"C:\\Game\\Game.rez", "C:\\Game\\Game.REZ", "C:\\Game\\Game.Rez"}) {
        ExpectPlan(PlanMenu({path}, 0, kDisk.Test()),
                   {{2, "&Extract To..."}, {3, "E&xtract to: C:\\Game\\Game"}}, 4);
    }
    ExpectPlan(PlanMenu({"C:\\Maps\\Old~.rez"}, 0, kDisk.Test()),
               {{2, "&Extract To..."}, {3, "E&xtract to: C:\\Maps\\Old.Rez"}}, 4);
    // An archive named only ".rez" has no folder to name: the asking entry goes, the count
    // stays.
    ExpectPlan(PlanMenu({".rez"}, 0, kDisk.Test()), {{3, "E&xtract to: "}}, 4);
}

TEST(MenuPlan, DriveRootHasNoShortName) {
    ExpectPlan(PlanMenu({"C:\\"}, 0, kDisk.Test()), {{0, "Add to &Rez"}}, 2);
}

TEST(MenuPlan, SeveralItemsGetAddToRezAlone) {
    ExpectPlan(PlanMenu({"C:\\Maps\\Level1.dat", "C:\\Maps\\Sounds"}, 0, kDisk.Test()),
               {{0, "Add to &Rez"}}, 1);
    ExpectPlan(PlanMenu({"C:\\Game\\Game.rez", "C:\\Game\\Other.rez", "C:\\x"}, 0, kDisk.Test()),
               {{0, "Add to &Rez"}}, 1);
}

TEST(MenuPlan, FlagsDecideWhetherEntriesAreAdded) {
    const Paths one = {"C:\\Docs\\notes.txt"};
    for (unsigned flags : {0x1u, 0x8u, 0x9u}) {  // default only, no verbs
        ExpectPlan(PlanMenu(one, flags, kDisk.Test()), {}, 0);
    }
    for (unsigned flags : {0x0u, 0x2u, 0x4u, 0x5u, 0x10u, 0x100u}) {
        EXPECT_EQ(PlanMenu(one, flags, kDisk.Test()).entries.size(), 2u) << flags;
    }
}

TEST(MenuPlan, AnEmptySelectionAddsNothingAndAnUnreadablePathStillShowsTheEntries) {
    ExpectPlan(PlanMenu({}, 0, kDisk.Test()), {}, 0);
    // A path the dropped-file list could not give stays empty; choosing an entry is refused.
    ExpectPlan(PlanMenu({""}, 0, kDisk.Test()), {{0, "Add to &Rez"}}, 2);
    ExpectPlan(PlanMenu({"C:\\Docs\\notes.txt", ""}, 0, kDisk.Test()), {{0, "Add to &Rez"}}, 1);
    ExpectPlan(PlanMenu({"", "C:\\Docs\\notes.txt"}, 0, kDisk.Test()), {{0, "Add to &Rez"}}, 1);
    EXPECT_FALSE(IsUsableSelection({}));
    EXPECT_FALSE(IsUsableSelection({"C:\\a", ""}));
    EXPECT_TRUE(IsUsableSelection({"C:\\a"}));
}

TEST(MenuPlan, AmpersandInANameIsShownAsOne) {
    ExpectPlan(PlanMenu({"C:\\Tom & Jerry.txt"}, 0, kDisk.Test()),
               {{0, "Add to &Rez"}, {1, "&Add to Tom && Jerry.rez"}}, 2);
    ExpectPlan(PlanMenu({"C:\\R&D\\a&&b.rez"}, 0, kDisk.Test()),
               {{2, "&Extract To..."}, {3, "E&xtract to: C:\\R&&D\\a&&&&b"}}, 4);
}

TEST(CommandStrings, VerbsAndHelpTexts) {
    const Paths folder = {"C:\\Maps\\Sounds"};
    const char* verbs[] = {"Add", "AddTo ", "Extract", "ExtractTo"};
    for (unsigned offset = 0; offset < 4; ++offset) {
        EXPECT_EQ(CommandString(offset, CommandText::Verb, folder), verbs[offset]);
    }
    EXPECT_EQ(CommandString(0, CommandText::HelpText, folder),
              "Add the selected item(s) to an Archive");
    EXPECT_EQ(CommandString(1, CommandText::HelpText, folder),
              "Add the selected item to the Archive: C:\\Maps\\Sounds.Rez");
    EXPECT_EQ(CommandString(1, CommandText::HelpText, Paths{"C:\\Maps\\Old.rez"}),
              "Add the selected item to the Archive: C:\\Maps\\Old~.Rez");
    EXPECT_EQ(CommandString(2, CommandText::HelpText, folder), "Extract all files in the Archive");
    EXPECT_EQ(CommandString(3, CommandText::HelpText, Paths{"C:\\Game\\Game.rez"}),
              "Extract all files in the Archive to the folder: C:\\Game\\Game");
    EXPECT_EQ(CommandString(3, CommandText::HelpText, Paths{"C:\\Maps\\Old~.rez"}),
              "Extract all files in the Archive to the folder: C:\\Maps\\Old.Rez");
    // A path with a percent sign is text, not a format.
    EXPECT_EQ(CommandString(3, CommandText::HelpText, Paths{"C:\\100%s.rez"}),
              "Extract all files in the Archive to the folder: C:\\100%s");
    for (unsigned offset : {4u, 99u}) {
        EXPECT_EQ(CommandString(offset, CommandText::Verb, folder), "Cravel");
        EXPECT_EQ(CommandString(offset, CommandText::HelpText, folder), "Cravel");
    }
}

TEST(CommandStrings, HelpTextsThatNameTheSelectionNeedOne) {
    EXPECT_EQ(CommandString(1, CommandText::HelpText, {}), std::nullopt);
    EXPECT_EQ(CommandString(3, CommandText::HelpText, {}), std::nullopt);
    EXPECT_EQ(CommandString(3, CommandText::HelpText, Paths{""}), std::nullopt);
    EXPECT_EQ(CommandString(0, CommandText::HelpText, {}),
              "Add the selected item(s) to an Archive");
    EXPECT_EQ(CommandString(1, CommandText::Verb, {}), "AddTo ");
}

}  // namespace
