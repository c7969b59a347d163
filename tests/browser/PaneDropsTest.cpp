#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app/DroppedPaths.h"
#include "browser/PaneDropScene.h"

namespace {

// A progress window that reports into one the test keeps.
class SharedProgress : public ProgressSink {
  public:
    explicit SharedProgress(RecordingProgress& to) : to_(to) {}
    void SetTitle(const std::string& text) override { to_.SetTitle(text); }
    void SetAnimation(int id) override { to_.SetAnimation(id); }
    void SetCancelMessage(const std::string& text) override { to_.SetCancelMessage(text); }
    void SetTimeEstimate(bool on) override { to_.SetTimeEstimate(on); }
    void Start(std::uintptr_t owner) override { to_.Start(owner); }
    void SetLine(int line, const std::string& text, bool compact) override {
        to_.SetLine(line, text, compact);
    }
    void SetProgress(std::uint32_t done, std::uint32_t total) override {
        to_.SetProgress(done, total);
    }
    void SetProgressDone(std::uint32_t done) override { to_.SetProgressDone(done); }
    bool HasUserCancelled() override { return to_.HasUserCancelled(); }
    void Stop() override { to_.Stop(); }

  private:
    RecordingProgress& to_;
};

class DropHost : public AppTestHost {
  public:
    RecordingProgress progress;
    int progressWindows = 0;
    std::unique_ptr<ProgressSink> MakeProgress() override {
        ++progressWindows;
        return std::make_unique<SharedProgress>(progress);
    }
};

struct PaneDropsTest : ::testing::Test, PaneDropScene<DropHost> {
    void SetUp() override {
        BuildScene();
        RezEntry entry;
        entry.name = "e.dat";
        entry.dataPosition = 10;
        maps->entries.push_back(entry);
        rows.ShowFolder(maps);  // rows: DM, e.dat
    }
};

TEST_F(PaneDropsTest, DragEnterTakesEitherFormatAndNothingElse) {
    FakeTransfer nothing;
    EXPECT_EQ(treeDrops.DragEnter(nothing), DropEffect::None);
    FakeTransfer files = FakeTransfer::Files({"x"});
    EXPECT_EQ(listDrops.DragEnter(files), DropEffect::Copy);
    FakeTransfer payload = FakeTransfer::Payload(EncodeFolderPayload(dm));
    EXPECT_EQ(treeDrops.DragEnter(payload), DropEffect::Copy);
}

TEST(HeldToSource, DiskFilesAreOnlyCopiedAndThePayloadTakesEitherEffect) {
    struct Case {
        DropEffect chosen;
        SourceEffects allowed;
        bool payload;
        DropEffect held;
    };
    const Case cases[] = {
        {DropEffect::Copy, {true, true}, false, DropEffect::Copy},
        {DropEffect::Copy, {false, true}, false, DropEffect::None},  // a move-only source
        {DropEffect::Move, {true, true}, false, DropEffect::Copy},
        {DropEffect::Copy, {false, false}, false, DropEffect::None},
        {DropEffect::Copy, {false, true}, true, DropEffect::Move},
        {DropEffect::Move, {true, false}, true, DropEffect::Copy},
        {DropEffect::Move, {true, true}, true, DropEffect::Move},
        {DropEffect::Copy, {false, false}, true, DropEffect::None},
        {DropEffect::None, {true, true}, true, DropEffect::None},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HeldToSource(c.chosen, c.allowed, c.payload), c.held)
            << static_cast<int>(c.chosen) << c.allowed.copy << c.allowed.move << c.payload;
    }
}

TEST_F(PaneDropsTest, ShellFilesFromAMoveOnlySourceAreNotAdded) {
    FakeTransfer drop = FakeTransfer::Files({dir.Write("bin/a.txt", "a")});
    EXPECT_EQ(treeDrops.Drop(drop, {0, 3}, false, {false, true}), DropEffect::None);
    EXPECT_EQ(listDrops.Drop(drop, {0, 0}, {false, true}), DropEffect::None);
    EXPECT_TRUE(art->entries.empty());
    EXPECT_TRUE(dm->entries.empty());
    EXPECT_EQ(host.progressWindows, 0);
    EXPECT_EQ(tree.highlighted, nullptr);
}

TEST_F(PaneDropsTest, ATreeDragIsRefusedOnItsParentItselfAndBelowAndMovesOntoASibling) {
    FakeTransfer drag = FakeTransfer::Payload(EncodeFolderPayload(maps));
    tree.highlighted = art;
    EXPECT_EQ(treeDrops.DragOver(drag, {0, 0}, false), DropEffect::None);  // its parent
    EXPECT_EQ(tree.highlighted, nullptr);
    EXPECT_EQ(treeDrops.DragOver(drag, {0, 1}, false), DropEffect::None);  // itself
    EXPECT_EQ(treeDrops.DragOver(drag, {0, 2}, false), DropEffect::None);  // below
    EXPECT_EQ(treeDrops.Drop(drag, {0, 2}, false, kAnySource), DropEffect::None);
    EXPECT_EQ(maps->parent, doc.Root());
    EXPECT_FALSE(doc.IsModified());

    EXPECT_EQ(treeDrops.DragOver(drag, {0, 3}, false), DropEffect::Move);
    EXPECT_EQ(tree.highlighted, art);
    EXPECT_EQ(treeDrops.DragOver(drag, {0, 3}, true), DropEffect::Copy);
    EXPECT_EQ(treeDrops.Drop(drag, {0, 3}, true, kAnySource), DropEffect::Copy);
    EXPECT_EQ(maps->parent, art);
    EXPECT_EQ(tree.highlighted, nullptr);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(PaneDropsTest, WithNoTreeItemUnderThePointerTheSelectedFolderIsTheTarget) {
    FakeTransfer drag = FakeTransfer::Payload(EncodeFolderPayload(maps));
    tree.selected = dm;  // below the dragged folder
    EXPECT_EQ(treeDrops.DragOver(drag, {0, 50}, false), DropEffect::None);
    EXPECT_EQ(treeDrops.Drop(drag, {0, 50}, false, kAnySource), DropEffect::None);
    EXPECT_EQ(maps->parent, doc.Root());
    tree.selected = art;
    EXPECT_EQ(treeDrops.DragOver(drag, {0, 50}, false), DropEffect::Move);
    EXPECT_EQ(tree.highlighted, nullptr);
    EXPECT_EQ(treeDrops.Drop(drag, {0, 50}, false, kAnySource), DropEffect::Move);
    EXPECT_EQ(maps->parent, art);
}

TEST_F(PaneDropsTest, AListPayloadMayLandOnItsOwnFolderButNotInsideAFolderItCarries) {
    // DM and e.dat, dragged from the list of MAPS.
    FakeTransfer drag =
        FakeTransfer::Payload(EncodeSelectionPayload({dm}, maps, {&maps->entries.front()}));
    EXPECT_EQ(treeDrops.DragOver(drag, {0, 2}, false), DropEffect::None);  // into DM itself
    EXPECT_EQ(treeDrops.DragOver(drag, {0, 1}, false), DropEffect::Move);  // MAPS, their folder
    EXPECT_EQ(listDrops.DragOver(drag, {0, 0}), DropEffect::None);         // the DM row
    EXPECT_EQ(listDrops.DropRow(), -1);
    EXPECT_EQ(listDrops.DragOver(drag, {0, 1}), DropEffect::Copy);  // the e.dat row
}

TEST_F(PaneDropsTest, ADragWhoseNamesTheTargetHoldsShowsNoDrop) {
    RezEntry same;
    same.name = "E.DAT";
    dm->entries.push_back(same);
    RezFolder* artDm = doc.Adding().FindOrCreateSubfolder("dm", art);
    FakeTransfer entry =
        FakeTransfer::Payload(EncodeSelectionPayload({}, maps, {&maps->entries.front()}));
    EXPECT_EQ(listDrops.DragOver(entry, {0, 0}), DropEffect::None);         // the DM row
    EXPECT_EQ(treeDrops.DragOver(entry, {0, 2}, false), DropEffect::None);  // DM
    EXPECT_EQ(treeDrops.DragOver(entry, {0, 3}, false), DropEffect::Move);  // Art
    FakeTransfer folder = FakeTransfer::Payload(EncodeFolderPayload(dm));
    EXPECT_EQ(treeDrops.DragOver(folder, {0, 3}, false), DropEffect::None);  // Art holds dm
    EXPECT_EQ(artDm->parent, art);
}

TEST_F(PaneDropsTest, FoundEntriesOfSeveralFoldersDropEachFromItsOwnFolder) {
    RezEntry inDm;
    inDm.name = "f.dat";
    dm->entries.push_back(inDm);
    RezEntry* e = &maps->entries.front();
    FakeTransfer drag = FakeTransfer::Payload(
        EncodePayload({{}, maps, {{maps, {e}}, {dm, {&dm->entries.front()}}}}));
    RezEntry same;
    same.name = "F.DAT";
    art->entries.push_back(same);
    EXPECT_EQ(treeDrops.DragOver(drag, {0, 3}, false), DropEffect::None);  // Art holds F.DAT
    art->entries.clear();
    EXPECT_EQ(treeDrops.DragOver(drag, {0, 2}, false), DropEffect::Move);  // DM, f.dat's own
    EXPECT_EQ(treeDrops.Drop(drag, {0, 3}, false, kAnySource), DropEffect::Move);
    EXPECT_EQ(EntryNames(*art), (std::vector<std::string>{"e.dat", "f.dat"}));
    EXPECT_TRUE(maps->entries.empty());
    EXPECT_TRUE(dm->entries.empty());
}

TEST_F(PaneDropsTest, ARefusedPasteKeepsThePayloadAndSaysWhy) {
    RezEntry same;
    same.name = "e.DAT";
    dm->entries.push_back(same);
    tree.selected = dm;
    FakeTransfer clip =
        FakeTransfer::Payload(EncodeSelectionPayload({}, maps, {&maps->entries.front()}));
    EXPECT_EQ(treeDrops.Paste(clip), FolderTreeDrops::PasteResult::PayloadKept);
    FakeTransfer into = FakeTransfer::Payload(EncodeFolderPayload(maps));
    EXPECT_EQ(treeDrops.Paste(into), FolderTreeDrops::PasteResult::PayloadKept);
    EXPECT_EQ(host.prompts.Texts(),
              (std::vector<std::string>{"An item named e.dat already exists in Untitled\\MAPS\\DM.",
                                        "A folder cannot be moved into itself or below itself."}));
    EXPECT_EQ(maps->entries.size(), 1u);
    EXPECT_EQ(maps->parent, doc.Root());
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(PaneDropsTest, ListDragOverHighlightsFolderRowsAndTheirTreeItemsOnly) {
    FakeTransfer drag = FakeTransfer::Files({"x"});
    EXPECT_EQ(listDrops.DragOver(drag, {0, 0}), DropEffect::Copy);  // DM's row
    EXPECT_EQ(listDrops.DropRow(), 0);
    EXPECT_EQ(list.Highlighted(), std::vector<int>{0});
    EXPECT_EQ(tree.highlighted, dm);
    EXPECT_EQ(listDrops.DragOver(drag, {0, 1}), DropEffect::Copy);  // an entry row
    EXPECT_EQ(listDrops.DropRow(), -1);
    EXPECT_TRUE(list.Highlighted().empty());
    EXPECT_EQ(tree.highlighted, nullptr);
    listDrops.DragOver(drag, {0, 0});
    listDrops.DragLeave();
    EXPECT_EQ(listDrops.DropRow(), -1);
    EXPECT_TRUE(list.Highlighted().empty());
    EXPECT_EQ(tree.highlighted, nullptr);
    FakeTransfer nothing;
    EXPECT_EQ(listDrops.DragOver(nothing, {0, 0}), DropEffect::None);
}

TEST_F(PaneDropsTest, EntriesDroppedOnAFolderRowMoveThereAndOnAnEntryRowStay) {
    RezEntry second;
    second.name = "f.dat";
    second.dataPosition = 20;
    maps->entries.push_back(second);
    rows.RefreshList();  // DM, e.dat, f.dat
    FakeTransfer first =
        FakeTransfer::Payload(EncodeSelectionPayload({}, maps, {&maps->entries.front()}));
    EXPECT_EQ(listDrops.Drop(first, {0, 2}, kAnySource),
              DropEffect::Copy);  // on f.dat: the shown folder
    EXPECT_EQ(EntryNames(*maps), (std::vector<std::string>{"f.dat", "e.dat"}));
    rows.RefreshList();  // sorted by name again: DM, e.dat, f.dat
    FakeTransfer both = FakeTransfer::Payload(
        EncodeSelectionPayload({}, maps, {&maps->entries.front(), &maps->entries.back()}));
    EXPECT_EQ(listDrops.Drop(both, {0, 0}, kAnySource), DropEffect::Copy);  // on DM's row
    EXPECT_EQ(EntryNames(*dm), (std::vector<std::string>{"e.dat", "f.dat"}));
    EXPECT_TRUE(maps->entries.empty());
    EXPECT_EQ(tree.highlighted, nullptr);
    EXPECT_TRUE(list.Highlighted().empty());
}

TEST_F(PaneDropsTest, AStalePayloadShowsNoneAndDropsNothing) {
    FakeTransfer drag = FakeTransfer::Payload(EncodeFolderPayload(art));
    doc.Editing().DeleteFolder(art);
    tree.items.erase(3);
    doc.SetModified(false);
    EXPECT_EQ(treeDrops.DragOver(drag, {0, 1}, false), DropEffect::None);
    EXPECT_EQ(listDrops.DragOver(drag, {0, 0}), DropEffect::None);
    EXPECT_EQ(treeDrops.Drop(drag, {0, 1}, false, kAnySource), DropEffect::None);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(PaneDropsTest, ShellFilesDropFilesFirstThenFoldersUnderTheTreeTarget) {
    const std::string a = dir.Write("drop/a.txt", "a");
    const std::string b = dir.Write("drop/b.dtx", "bb");
    dir.Write("drop/Sub/inner.dat", "i");
    dir.Write("drop/Other/deep/x.txt", "x");
    const std::string c = dir.Write("drop/c.abc", "c");
    FakeTransfer drop =
        FakeTransfer::Files({dir.Path("drop/Sub"), a, dir.Path("drop/Other"), b, c});
    EXPECT_EQ(treeDrops.DragOver(drop, {0, 3}, false), DropEffect::Copy);
    EXPECT_EQ(tree.highlighted, art);
    EXPECT_EQ(treeDrops.Drop(drop, {0, 3}, false, kAnySource), DropEffect::Copy);

    // Files first, in drop order, then each folder with its contents.
    ASSERT_EQ(art->entries.size(), 3u);
    EXPECT_EQ(ItemNameOf(art->entries.front()), "a.txt");
    EXPECT_EQ(ItemNameOf(*std::next(art->entries.begin())), "b.dtx");
    EXPECT_EQ(ItemNameOf(art->entries.back()), "c.abc");
    EXPECT_EQ(art->subfolders.size(), 2u);
    RezFolder* sub = doc.Folders().FindFolderByPath("Art\\Sub", false);
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(sub->entries.size(), 1u);
    RezFolder* deep = doc.Folders().FindFolderByPath("Art\\Other\\deep", false);
    ASSERT_NE(deep, nullptr);
    EXPECT_EQ(deep->entries.size(), 1u);
    EXPECT_TRUE(doc.IsModified());

    // One progress window, set up the standard way, owned by the pane's window, stopped.
    EXPECT_EQ(host.progressWindows, 1);
    EXPECT_EQ(host.progress.title, "Tarvex Progress");
    EXPECT_EQ(host.progress.animation, 184);
    EXPECT_EQ(host.progress.cancelMessage, "Cancel");
    EXPECT_TRUE(host.progress.timeEstimate);
    EXPECT_EQ(host.progress.owner, 0x7EEu);
    EXPECT_EQ(host.progress.starts, 1);
    EXPECT_FALSE(host.progress.started);
    ASSERT_FALSE(host.progress.line2.empty());
    EXPECT_EQ(host.progress.line2.front(), "Adding...");
}

TEST_F(PaneDropsTest, ShellFilesOnTheListGoToTheFolderRowOrElseTheShownFolder) {
    FakeTransfer onRow = FakeTransfer::Files({dir.Write("one.txt", "1")});
    EXPECT_EQ(listDrops.Drop(onRow, {0, 0}, kAnySource), DropEffect::Copy);  // DM's row
    EXPECT_EQ(dm->entries.size(), 1u);
    EXPECT_EQ(host.progress.owner, 0x1157u);
    rows.RefreshList();
    FakeTransfer onEntry = FakeTransfer::Files({dir.Write("two.txt", "2")});
    EXPECT_EQ(listDrops.Drop(onEntry, {0, 1}, kAnySource), DropEffect::Copy);  // the e.dat row
    EXPECT_EQ(EntryNames(*maps).size(), 2u);
    EXPECT_EQ(ItemNameOf(maps->entries.back()), "two.txt");
}

TEST_F(PaneDropsTest, OneRezFileAloneIsOpenedAfterTheSaveQuestionButWithAnotherFileBothAreAdded) {
    const std::string rez = dir.Write("x.REZ", "not an archive");
    FakeTransfer alone = FakeTransfer::Files({rez});
    doc.SetModified(true);
    host.prompts.answers = {PromptAnswer::Cancel, PromptAnswer::No};
    EXPECT_EQ(treeDrops.Drop(alone, {0, 3}, false, kAnySource), DropEffect::Copy);
    doc.FinishJobs();
    EXPECT_TRUE(host.completedPaths.empty());  // Cancel: nothing opened
    EXPECT_EQ(listDrops.Drop(alone, {0, 0}, kAnySource), DropEffect::Copy);
    doc.FinishJobs();
    EXPECT_EQ(host.completedPaths, std::vector<std::string>{rez});
    EXPECT_EQ(host.completedKinds, std::vector<JobKind>{JobOpen});
    ASSERT_GE(host.prompts.Texts().size(), 2u);
    EXPECT_EQ(host.prompts.Texts()[0], "Save changes to Untitled?");
    EXPECT_EQ(host.prompts.Texts()[1], "Save changes to Untitled?");
    EXPECT_EQ(host.progressWindows, 0);

    BuildScene();
    FakeTransfer pair = FakeTransfer::Files({rez, dir.Write("y.txt", "y")});
    EXPECT_EQ(treeDrops.Drop(pair, {0, 3}, false, kAnySource), DropEffect::Copy);
    EXPECT_EQ(art->entries.size(), 2u);
    // A folder that happens to end in .rez is a folder to add.
    dir.Write("pack.rez/inside.txt", "i");
    FakeTransfer folder = FakeTransfer::Files({dir.Path("pack.rez")});
    EXPECT_EQ(treeDrops.Drop(folder, {0, 2}, false, kAnySource), DropEffect::Copy);
    EXPECT_NE(doc.Folders().FindFolderByPath("MAPS\\DM\\pack.rez", false), nullptr);
}

TEST_F(PaneDropsTest, TheOpenArchiveDroppedOnItselfIsSkipped) {
    const std::string archive = dir.Write("open.rez", "archive bytes");
    doc.SetArchivePath(archive);
    FakeTransfer drop = FakeTransfer::Files({archive, dir.Write("z.txt", "z")});
    EXPECT_EQ(treeDrops.Drop(drop, {0, 3}, false, kAnySource), DropEffect::Copy);
    EXPECT_EQ(EntryNames(*art).size(), 1u);
    EXPECT_EQ(ItemNameOf(art->entries.front()), "z.txt");
    EXPECT_EQ(host.prompts.Texts(),
              std::vector<std::string>{"Skipping the archive itself: " + archive});
}

TEST_F(PaneDropsTest, CancelInAReplacePromptStillAddsTheFoldersButACancelledProgressDoesNot) {
    const std::string a = dir.Write("c/a.txt", "a");
    dir.Write("c/Folder/f.txt", "f");
    dir.Write("c/Other/o.txt", "o");
    RecordingProgress progress;
    doc.Adding().AddFile(a, art, progress);
    host.prompts.answers.push_back(PromptAnswer::Cancel);
    FakeTransfer drop = FakeTransfer::Files({a, dir.Path("c/Folder")});
    treeDrops.Drop(drop, {0, 3}, false, kAnySource);
    EXPECT_EQ(host.prompts.asked.size(), 1u);
    ASSERT_EQ(art->subfolders.size(), 1u);
    EXPECT_EQ(art->subfolders.front()->entries.size(), 1u);
    EXPECT_EQ(host.progress.started, false);

    host.progress = RecordingProgress(0);
    FakeTransfer folders = FakeTransfer::Files({dir.Path("c/Other")});
    treeDrops.Drop(folders, {0, 2}, false, kAnySource);
    EXPECT_TRUE(dm->subfolders.empty());
}

TEST_F(PaneDropsTest, TheFrameTakesOnlyALoneArchiveAndOpensIt) {
    FrameDrops frame{doc};
    const std::string rez = dir.Write("whole.rez", "not an archive");
    FakeTransfer alone = FakeTransfer::Files({rez});
    FakeTransfer pair = FakeTransfer::Files({rez, dir.Write("y.txt", "y")});
    FakeTransfer payload = FakeTransfer::Payload(EncodeFolderPayload(dm));
    EXPECT_EQ(frame.DragOver(alone), DropEffect::Copy);
    EXPECT_EQ(frame.DragOver(pair), DropEffect::None);
    EXPECT_EQ(frame.DragOver(payload), DropEffect::None);
    EXPECT_EQ(frame.Drop(pair, kAnySource), DropEffect::None);
    EXPECT_EQ(frame.Drop(alone, {false, true}), DropEffect::None);
    doc.FinishJobs();
    EXPECT_TRUE(host.completedPaths.empty());
    EXPECT_EQ(frame.Drop(alone, kAnySource), DropEffect::Copy);
    doc.FinishJobs();
    EXPECT_EQ(host.completedPaths, std::vector<std::string>{rez});
    EXPECT_EQ(art->entries.size(), 0u);
}

TEST_F(PaneDropsTest, PasteMovesThePayloadIntoTheSelectedFolderAndUsesItUp) {
    tree.selected = art;
    FakeTransfer clip = FakeTransfer::Payload(EncodeFolderPayload(dm));
    EXPECT_EQ(treeDrops.Paste(clip), FolderTreeDrops::PasteResult::PayloadUsed);
    EXPECT_EQ(dm->parent, art);
    EXPECT_TRUE(doc.IsModified());
    // A refused payload is used up too: it can never become good again.
    doc.SetModified(false);
    FakeTransfer stale = FakeTransfer::Payload(EncodeFolderPayload(nullptr));
    EXPECT_EQ(treeDrops.Paste(stale), FolderTreeDrops::PasteResult::PayloadUsed);
    EXPECT_FALSE(doc.IsModified());

    tree.selected = nullptr;  // nothing selected: the root
    FakeTransfer files = FakeTransfer::Files({dir.Write("p.txt", "p")});
    EXPECT_EQ(treeDrops.Paste(files), FolderTreeDrops::PasteResult::FilesAdded);
    EXPECT_EQ(ItemNameOf(doc.Root()->entries.back()), "p.txt");
    FakeTransfer nothing;
    EXPECT_EQ(treeDrops.Paste(nothing), FolderTreeDrops::PasteResult::Nothing);
}

}  // namespace
