#include <gtest/gtest.h>

#include "app/TarvexDoc.h"
#include "browser/FileListRows.h"
#include "browser/ListLabelEdit.h"
#include "platform/ShellTypeName.h"
#include "support/MemorySettings.h"
#include "support/RecordingProgress.h"
#include "support/ScriptedPrompts.h"

namespace {

// A document host with nothing behind it: renames need no jobs, prompts or windows.
class QuietHost : public DocumentHost {
  public:
    ScriptedPrompts prompts;
    MemorySettings settings;

    UserPrompts& Prompts() override { return prompts; }
    Settings& Profile() override { return settings; }
    std::unique_ptr<ProgressSink> MakeProgress() override {
        return std::make_unique<RecordingProgress>();
    }
    std::uintptr_t Owner() override { return 0; }
    void StartJob(std::unique_ptr<ArchiveJob>) override {}
    std::vector<std::unique_ptr<ArchiveJob>> WaitForJobs() override { return {}; }
    void UpdateAllViews() override {}
};

struct ListLabelEditTest : ::testing::Test {
    QuietHost host;
    CTarvexDoc doc{host};
    FileListRows rows;
    RezFolder* sub = nullptr;
    RezEntry* skin = nullptr;

    void SetUp() override {
        sub = doc.Adding().FindOrCreateSubfolder("Sub", nullptr);
        RezEntry entry;
        entry.name = "skin.dtx";
        entry.typeCode = "DTX";
        entry.typeName = "Texture";
        doc.Root()->entries.push_back(entry);
        skin = &doc.Root()->entries.back();
        doc.SetModified(false);
        rows.SetSortColumn(0, true);
        rows.ShowFolder(doc.Root());
    }
};

TEST_F(ListLabelEditTest, RenamingAnEntryGivesItTheTypeOfTheNewName) {
    ASSERT_EQ(rows.ItemAtRow(1).entry, skin);
    EXPECT_TRUE(CommitListLabel(doc, rows, 1, std::string("skin.spr")));
    EXPECT_EQ(skin->name, "skin.spr");
    EXPECT_EQ(skin->typeCode, "spr");
    // The same type a reload of the saved archive shows.
    EXPECT_EQ(skin->typeName, "Sprite");
    EXPECT_EQ(rows.IconKey(1), ".spr");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(CommitListLabel(doc, rows, 1, std::string("skin.qqq")));
    EXPECT_EQ(skin->typeName, ShellTypeName("skin.qqq"));
}

TEST_F(ListLabelEditTest, ALongOrMissingExtensionLeavesNoTypeCode) {
    EXPECT_TRUE(CommitListLabel(doc, rows, 1, std::string("skin.large")));
    EXPECT_EQ(skin->typeCode, "");
    EXPECT_EQ(rows.IconKey(1), ".large");
    EXPECT_TRUE(CommitListLabel(doc, rows, 1, std::string("skin")));
    EXPECT_EQ(skin->typeCode, "");
    EXPECT_EQ(rows.IconKey(1), "");
    // A name that starts with its only dot has no extension.
    EXPECT_TRUE(CommitListLabel(doc, rows, 1, std::string(".abc")));
    EXPECT_EQ(skin->typeCode, "");
    EXPECT_EQ(rows.IconKey(1), "");
}

TEST_F(ListLabelEditTest, AFolderRowRenamesTheFolder) {
    EXPECT_TRUE(CommitListLabel(doc, rows, 0, std::string("Maps")));
    EXPECT_EQ(sub->name, "Maps");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(skin->name, "skin.dtx");
}

// Names that could not be saved and read back as the same item are refused, and nothing
// changes: an empty name, separators, dot names, and a name its neighbour already has.
TEST_F(ListLabelEditTest, NamesThatCannotBeAnItemAreRefused) {
    for (const char* name : {"", "a\\b", "a/b", ".", ".."}) {
        EXPECT_FALSE(CommitListLabel(doc, rows, 0, std::string(name))) << name;
        EXPECT_FALSE(CommitListLabel(doc, rows, 1, std::string(name))) << name;
    }
    RezEntry other;
    other.name = "m.dat";
    doc.Root()->entries.push_back(other);
    rows.RefreshList();
    ASSERT_EQ(rows.ItemAtRow(2).entry, skin);
    EXPECT_FALSE(CommitListLabel(doc, rows, 2, std::string("M.DAT")));
    EXPECT_EQ(sub->name, "Sub");
    EXPECT_EQ(skin->name, "skin.dtx");
    EXPECT_FALSE(doc.IsModified());
    // Every refusal said why.
    ASSERT_EQ(host.prompts.asked.size(), 11u);
    EXPECT_EQ(host.prompts.asked[2].text,
              "An item cannot be named \"a\\b\": a name must not be empty, \".\" or \"..\", nor "
              "hold \\ or /.");
    EXPECT_EQ(host.prompts.asked[10].text, "An item named M.DAT already exists in Untitled.");
}

TEST_F(ListLabelEditTest, ATreeFolderIsRefusedTheSameWayAsItsRow) {
    RezFolder* other = doc.Adding().FindOrCreateSubfolder("Other", sub);
    RezFolder* taken = doc.Adding().FindOrCreateSubfolder("Taken", sub);
    EXPECT_FALSE(CommitFolderLabel(doc, other, std::string("..")));
    EXPECT_FALSE(CommitFolderLabel(doc, other, std::string("TAKEN")));
    EXPECT_FALSE(CommitFolderLabel(doc, other, std::nullopt));
    EXPECT_EQ(host.prompts.Texts(), (std::vector<std::string>{UnfitNameText(".."),
                                                              "An item named TAKEN already exists "
                                                              "in Untitled\\Sub."}));
    EXPECT_TRUE(CommitFolderLabel(doc, other, std::string("New")));
    EXPECT_EQ(other->name, "New");
    EXPECT_EQ(taken->name, "Taken");
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(ListLabelEditTest, TheListIsSortedAgainAtOnce) {
    RezEntry other;
    other.name = "m.dat";
    doc.Root()->entries.push_back(other);
    rows.RefreshList();
    ASSERT_EQ(rows.Text(2, ListColumn::Name), "skin.dtx");
    EXPECT_TRUE(CommitListLabel(doc, rows, 2, std::string("a.dtx")));
    EXPECT_EQ(rows.Text(1, ListColumn::Name), "a.dtx");
    EXPECT_EQ(rows.Text(2, ListColumn::Name), "m.dat");
}

TEST_F(ListLabelEditTest, ACancelledEditOrAStaleRowChangesNothing) {
    EXPECT_FALSE(CommitListLabel(doc, rows, 1, std::nullopt));
    EXPECT_FALSE(CommitListLabel(doc, rows, 5, std::string("x.dat")));
    EXPECT_EQ(skin->name, "skin.dtx");
    EXPECT_EQ(sub->name, "Sub");
    EXPECT_FALSE(doc.IsModified());
}

// An entry whose type name reads "Folder" is still an entry: its rename never touches the
// folder list.
TEST_F(ListLabelEditTest, AnEntryTypedFolderIsRenamedAsAnEntry) {
    skin->typeName = "Folder";
    const std::size_t folders = doc.Folders().Size();
    EXPECT_TRUE(CommitListLabel(doc, rows, 1, std::string("other.abc")));
    EXPECT_EQ(skin->name, "other.abc");
    EXPECT_EQ(skin->typeCode, "abc");
    EXPECT_EQ(skin->typeName, "3D Model");
    EXPECT_EQ(sub->name, "Sub");
    EXPECT_EQ(doc.Folders().Size(), folders);
}

}  // namespace
