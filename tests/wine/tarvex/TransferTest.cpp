// Drag and drop and the clipboard in the real window, under Wine's OLE: shell drop lists
// dropped on each pane, archive items dragged by the panes themselves onto folders of the tree
// and rows of the list, refusals with effect none and no highlight, Cut, Copy and Paste with
// their states, and hostile data refused.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "TarvexWindow.h"
#include "app/MovePayload.h"
#include "browser/win32/transfer/Clipboard.h"
#include "resources/tarvex/resource.h"
#include "support/OwnDesktop.h"
#include "wine/transfer/TransferSupport.h"
#include "wine/wizard/WindowShot.h"

namespace tarvex_test {
namespace {

using namespace transfer_test;

const auto* const desktop = ::testing::AddGlobalTestEnvironment(new OwnDesktop("Window"));

// A drag source that drops once the target has answered twice (enter, then over), and lets a
// test look at the window each time the target answers.
class WatchingSource : public ComObject<IDropSource, IID_IDropSource> {
  public:
    std::function<void(DWORD)> onAnswer;

    STDMETHODIMP QueryContinueDrag(BOOL, DWORD) override {
        // Wine asks again and again while no mouse moves: drop after a while in any case.
        return answers_ >= 2 || ++asks_ > 50 ? DRAGDROP_S_DROP : S_OK;
    }
    STDMETHODIMP GiveFeedback(DWORD effect) override {
        ++answers_;
        if (onAnswer)
            onAnswer(effect);
        return DRAGDROP_S_USEDEFAULTCURSORS;
    }

  private:
    int answers_ = 0;
    int asks_ = 0;
};

class Transfer : public TarvexWindow {
  protected:
    RezFolder* maps = nullptr;
    RezFolder* dm = nullptr;
    RezFolder* art = nullptr;

    void SetUp() override {
        TarvexWindow::SetUp();
        Start();
        EmptyClipboardData();
        maps = &AddFolder("Maps", nullptr);
        dm = &AddFolder("DM", maps);
        art = &AddFolder("Art", nullptr);
        ModelChanged();
        ASSERT_TRUE(Frame().Tree().IsDropTarget());
        ASSERT_TRUE(Frame().List().IsDropTarget());
        ShowWindow(Frame().Handle(), SW_SHOWNOACTIVATE);
        TreeView_Expand(Tree(), ItemOf(maps), TVE_EXPAND);
        Pump();
        // Only what the drops make.
        progressLog.clear();
    }
    void TearDown() override {
        EmptyClipboardData();
        TarvexWindow::TearDown();
    }

    // Moves the window so that a point of a control lies under the mouse pointer; moving the
    // pointer instead would queue mouse input that a later drag could find.
    void PutUnderPointer(HWND control, POINT at) {
        POINT pointer;
        GetCursorPos(&pointer);
        ClientToScreen(control, &at);
        RECT frame;
        GetWindowRect(Frame().Handle(), &frame);
        SetWindowPos(Frame().Handle(), HWND_TOP, frame.left + pointer.x - at.x,
                     frame.top + pointer.y - at.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
        Pump();
    }
    POINT ItemPoint(const RezFolder* folder) {
        RECT item{};
        TreeView_GetItemRect(Tree(), ItemOf(folder), &item, TRUE);
        return {item.left + 3, (item.top + item.bottom) / 2};
    }
    POINT RowPoint(int row) {
        ListView_EnsureVisible(List(), row, FALSE);
        RECT item{};
        ListView_GetItemRect(List(), row, &item, LVIR_LABEL);
        return {item.left + 3, (item.top + item.bottom) / 2};
    }
    POINT EmptyListPoint() {
        RECT client;
        GetClientRect(List(), &client);
        return {client.right - 5, client.bottom - 5};
    }
    int RowNamed(const std::string& name) {
        const std::vector<std::string> names = ListColumn(0);
        for (size_t row = 0; row < names.size(); ++row) {
            if (names[row] == name)
                return static_cast<int>(row);
        }
        ADD_FAILURE() << "no row " << name;
        return -1;
    }
    void ShowInList(RezFolder* folder) {
        TreeView_SelectItem(Tree(), ItemOf(folder));
        Pump();
    }

    // Drags data onto a point of a pane, as a source of another program would.
    DWORD DragOnto(IDataObject* data, HWND pane, POINT at,
                   std::function<void(DWORD)> onAnswer = nullptr) {
        PutUnderPointer(pane, at);
        const ComPtr<WatchingSource> source = Make<WatchingSource>();
        source->onAnswer = std::move(onAnswer);
        DWORD effect = DROPEFFECT_NONE;
        DoDragDrop(data, source.Get(), DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK,
                   &effect);
        Pump();
        return effect;
    }
    DWORD DropFiles(const std::vector<std::string>& paths, HWND pane, POINT at) {
        return DragOnto(DroppedFiles(paths).Get(), pane, at);
    }

    // The tree starts a drag of an item as its control asks, with the pointer over a point.
    void TreeDrags(const RezFolder* folder, HWND pane, POINT at) {
        PutUnderPointer(pane, at);
        NMTREEVIEWA drag{};
        drag.hdr = {Tree(), static_cast<UINT_PTR>(GetDlgCtrlID(Tree())), TVN_BEGINDRAGA};
        drag.action = TVC_BYMOUSE;
        drag.itemNew.hItem = ItemOf(folder);
        drag.itemNew.lParam = reinterpret_cast<LPARAM>(folder);
        drag.ptDrag = ItemPoint(folder);
        SendMessageA(GetParent(Tree()), WM_NOTIFY, drag.hdr.idFrom,
                     reinterpret_cast<LPARAM>(&drag));
        Pump();
    }
    // The list starts a drag of its selected rows.
    void ListDrags(HWND pane, POINT at) {
        PutUnderPointer(pane, at);
        NMLISTVIEW drag{};
        drag.hdr = {List(), static_cast<UINT_PTR>(GetDlgCtrlID(List())), LVN_BEGINDRAG};
        drag.iItem = ListView_GetNextItem(List(), -1, LVNI_SELECTED);
        drag.ptAction = RowPoint(drag.iItem);
        SendMessageA(GetParent(List()), WM_NOTIFY, drag.hdr.idFrom,
                     reinterpret_cast<LPARAM>(&drag));
        Pump();
    }

    RezFolder* Folder(const std::string& path) {
        return Doc().Folders().FindFolderByPath(path, false);
    }
};

TEST_F(Transfer, ShellFilesDroppedOnATreeFolderComeFirstThenEachFolderWithTheProgressWindow) {
    const std::string a = disk.Write("drop\\a.txt", "a");
    const std::string b = disk.Write("drop\\b.dat", "b");
    const std::string c = disk.Write("drop\\c.dtx", "c");
    disk.Write("drop\\Levels\\one.dat", "1");
    disk.Write("drop\\Sounds\\Deep\\two.wav", "2");
    const std::vector<std::string> paths = {disk.Path("drop\\Sounds"), a, disk.Path("drop\\Levels"),
                                            b, c};
    EXPECT_EQ(DropFiles(paths, Tree(), ItemPoint(art)), static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_EQ(EntryNames(art), (std::vector<std::string>{"a.txt", "b.dat", "c.dtx"}));
    // Folders after the files, in drop order, each below the drop target with its contents.
    ASSERT_EQ(progressLog.size(), 1u);
    EXPECT_EQ(progressLog[0].line2,
              (std::vector<std::string>{"Adding...", "Adding Folder: " + disk.Path("drop\\Sounds"),
                                        "Adding Folder: " + disk.Path("drop\\Sounds\\Deep"),
                                        "Adding Folder: " + disk.Path("drop\\Levels")}));
    ASSERT_NE(Folder("Art\\Sounds\\Deep"), nullptr);
    EXPECT_EQ(EntryNames(Folder("Art\\Sounds\\Deep")), std::vector<std::string>{"two.wav"});
    EXPECT_EQ(EntryNames(Folder("Art\\Levels")), std::vector<std::string>{"one.dat"});
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(TreeView_GetDropHilight(Tree()), nullptr);
    // One progress window, owned by the main window, set up the standard way and stopped.
    ASSERT_EQ(progressLog.size(), 1u);
    EXPECT_EQ(progressLog[0].title, "Tarvex Progress");
    EXPECT_EQ(progressLog[0].animation, 184);
    EXPECT_EQ(progressLog[0].starts, 1);
    EXPECT_FALSE(progressLog[0].started);
    EXPECT_EQ(progressLog[0].owner, reinterpret_cast<std::uintptr_t>(Frame().Handle()));
    // The tree shows the new folders.
    EXPECT_EQ(TreeChildren(ItemOf(art)), (std::vector<std::string>{"Levels", "Sounds"}));
}

TEST_F(Transfer, ALoneRezFileOpensOnEitherPaneOrTheFrameAndARezFileWithAnotherAddsBoth) {
    disk.Write("packed\\inside.txt", "i");
    const std::string rez = disk.Path("drop\\x.REZ");
    std::filesystem::create_directories(disk.Path("drop"));
    SaveArchiveOf(disk.Path("packed"), rez);
    Doc().NewDocument();
    ASSERT_TRUE(Frame().IsDropTarget());
    const std::string other = disk.Write("drop\\notes.txt", "n");
    RECT status{};
    GetClientRect(Frame().Status().Handle(), &status);
    const struct {
        HWND window;
        POINT at;
    } targets[] = {{Tree(), ItemPoint(Root())},
                   {List(), EmptyListPoint()},
                   {Frame().Status().Handle(), {status.right / 2, status.bottom / 2}}};
    for (const auto& target : targets) {
        Doc().NewDocument();
        Doc().SetModified(true);
        prompts.answers = {PromptAnswer::No};
        prompts.asked.clear();
        EXPECT_EQ(DropFiles({rez}, target.window, target.at), static_cast<DWORD>(DROPEFFECT_COPY));
        Doc().FinishJobs();
        Pump();
        EXPECT_EQ(Doc().ArchivePath(), rez);
        EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Save changes to Untitled?"});
        EXPECT_NE(Doc().Folders().FindFolderByPath("PACKED", false), nullptr);
    }
    // Anything else than an archive alone is nothing for the frame.
    EXPECT_EQ(DropFiles({other}, targets[2].window, targets[2].at),
              static_cast<DWORD>(DROPEFFECT_NONE));

    Doc().NewDocument();
    maps = &AddFolder("Maps", nullptr);
    art = &AddFolder("Art", nullptr);
    ModelChanged();
    EXPECT_EQ(DropFiles({rez, other}, Tree(), ItemPoint(art)), static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_EQ(EntryNames(art), (std::vector<std::string>{"x.REZ", "notes.txt"}));
}

TEST_F(Transfer, ShellFilesOnAListFolderRowGoIntoItAndOnAnEntryRowIntoTheShownFolder) {
    AddEntry(*maps, "old.dat", 10);
    ModelChanged();
    ShowInList(maps);
    const std::string into = disk.Write("drop\\into.dat", "i");
    EXPECT_EQ(DropFiles({into}, List(), RowPoint(RowNamed("DM"))),
              static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_EQ(EntryNames(dm), std::vector<std::string>{"into.dat"});
    EXPECT_EQ(EntryNames(maps), std::vector<std::string>{"old.dat"});

    ShowInList(maps);
    const std::string beside = disk.Write("drop\\beside.dat", "b");
    EXPECT_EQ(DropFiles({beside}, List(), RowPoint(RowNamed("old.dat"))),
              static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_EQ(EntryNames(maps), (std::vector<std::string>{"old.dat", "beside.dat"}));

    // An empty part of the list while the root is shown: the root.
    ShowInList(Root());
    const std::string top = disk.Write("drop\\top.dat", "t");
    EXPECT_EQ(DropFiles({top}, List(), EmptyListPoint()), static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_EQ(EntryNames(Root()), std::vector<std::string>{"top.dat"});
    EXPECT_EQ(progressLog.size(), 3u);
}

TEST_F(Transfer, TheOpenArchiveDroppedOnItselfIsSkipped) {
    disk.Write("content\\inner.dat", "x");
    const std::string archive = disk.Path("self.rez");
    SaveArchiveOf(disk.Path("content"), archive);
    ModelChanged();
    const std::string other = disk.Write("more.txt", "m");
    EXPECT_EQ(DropFiles({archive, other}, List(), EmptyListPoint()),
              static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_EQ(EntryNames(Root()), std::vector<std::string>{"more.txt"});
    EXPECT_EQ(prompts.Texts().back(), "Skipping the archive itself: " + archive);
}

TEST_F(Transfer, AFolderDraggedInTheTreeMovesOntoASiblingAndIsRefusedOnItsOwnParent) {
    // Onto its own parent: no highlight, effect none, nothing moved.
    std::vector<std::string> answers;
    const ComPtr<DataSource> drag = SourceWith(MovePayloadFormat(), EncodeFolderPayload(dm));
    const DWORD refused = DragOnto(drag.Get(), Tree(), ItemPoint(maps), [&](DWORD effect) {
        answers.push_back(std::to_string(effect) +
                          (TreeView_GetDropHilight(Tree()) ? " lit" : " dark"));
    });
    EXPECT_EQ(refused, static_cast<DWORD>(DROPEFFECT_NONE));
    ASSERT_FALSE(answers.empty());
    EXPECT_EQ(answers.back(), "0 dark");
    EXPECT_EQ(dm->parent, maps);
    EXPECT_FALSE(Doc().IsModified());

    // The tree's own drag onto MAPS, then onto the sibling Art.
    TreeDrags(dm, Tree(), ItemPoint(maps));
    EXPECT_EQ(dm->parent, maps);
    EXPECT_FALSE(Doc().IsModified());
    TreeView_Expand(Tree(), ItemOf(maps), TVE_EXPAND);
    TreeDrags(maps, Tree(), ItemPoint(art));
    EXPECT_EQ(maps->parent, art);
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(TreeChildren(ItemOf(art)), std::vector<std::string>{"Maps"});
    EXPECT_EQ(TreeView_GetDropHilight(Tree()), nullptr);
}

TEST_F(Transfer, AFolderOverASiblingIsHighlightedAndIntoItselfIsRefusedFromAnySource) {
    std::vector<std::string> answers;
    const ComPtr<DataSource> drag = SourceWith(MovePayloadFormat(), EncodeFolderPayload(maps));
    const DWORD moved = DragOnto(drag.Get(), Tree(), ItemPoint(art), [&](DWORD effect) {
        HTREEITEM lit = TreeView_GetDropHilight(Tree());
        answers.push_back(std::to_string(effect) + " " + (lit ? TreeText(lit) : "-"));
    });
    EXPECT_EQ(moved, static_cast<DWORD>(DROPEFFECT_MOVE));
    ASSERT_FALSE(answers.empty());
    EXPECT_EQ(answers.back(), "2 Art");  // DROPEFFECT_MOVE, the sibling lit
    ASSERT_EQ(maps->parent, art);

    // A list payload naming Art, dropped on a folder below it: refused.
    ModelChanged();
    TreeView_Expand(Tree(), ItemOf(art), TVE_EXPAND);
    TreeView_Expand(Tree(), ItemOf(maps), TVE_EXPAND);
    Pump();
    const ComPtr<DataSource> below =
        SourceWith(MovePayloadFormat(), EncodeSelectionPayload({art}, Root(), {}));
    EXPECT_EQ(DragOnto(below.Get(), Tree(), ItemPoint(dm)), static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_EQ(art->parent, Root());
}

TEST_F(Transfer, EntriesDraggedFromTheListOntoAFolderRowMoveAndOntoEmptySpaceStay) {
    AddEntry(*maps, "a.dat", 1);
    AddEntry(*maps, "b.dat", 2);
    AddEntry(*maps, "c.dat", 3);
    ModelChanged();
    ShowInList(maps);
    SelectRows({RowNamed("a.dat"), RowNamed("c.dat")});
    ListDrags(List(), RowPoint(RowNamed("DM")));
    EXPECT_EQ(EntryNames(dm), (std::vector<std::string>{"a.dat", "c.dat"}));
    EXPECT_EQ(EntryNames(maps), std::vector<std::string>{"b.dat"});
    EXPECT_TRUE(Doc().IsModified());

    // On empty space of the list: into the shown folder, where it already is.
    ShowInList(maps);
    SelectRows({RowNamed("b.dat")});
    ListDrags(List(), EmptyListPoint());
    EXPECT_EQ(EntryNames(maps), std::vector<std::string>{"b.dat"});
}

TEST_F(Transfer, AListFolderRowIsDropHighlightedWithItsTreeItemWhileADragIsOverIt) {
    ShowInList(Root());
    const int row = RowNamed("Maps");
    std::vector<std::string> answers;
    const ComPtr<DataSource> drag = DroppedFiles({disk.Write("x.txt", "x")});
    DragOnto(drag.Get(), List(), RowPoint(row), [&](DWORD effect) {
        HTREEITEM lit = TreeView_GetDropHilight(Tree());
        const UINT state = ListView_GetItemState(List(), row, LVIS_DROPHILITED);
        answers.push_back(std::to_string(effect) + " " + (lit ? TreeText(lit) : "-") +
                          (state ? " row" : ""));
        if (answers.size() == 2) {
            // The row is drawn highlighted: its empty Size cell has the highlight colour.
            RECT size{};
            ListView_GetSubItemRect(List(), row, 1, LVIR_BOUNDS, &size);
            WindowDC dc(List());
            EXPECT_EQ(
                GetPixel(dc.Get(), (size.left + size.right) / 2, (size.top + size.bottom) / 2),
                GetSysColor(COLOR_HIGHLIGHT));
            const std::string path = std::string(TARVEX_SCREENSHOT_DIR) + "\\window-drop.png";
            EXPECT_GT(shot::Save(Frame().Handle(), path), 8) << path;
        }
    });
    ASSERT_FALSE(answers.empty());
    EXPECT_EQ(answers.back(), "1 Maps row");  // DROPEFFECT_COPY
    // After the drop nothing stays highlighted.
    EXPECT_EQ(TreeView_GetDropHilight(Tree()), nullptr);
    EXPECT_EQ(ListView_GetItemState(List(), RowNamed("Maps"), LVIS_DROPHILITED), 0u);
    EXPECT_EQ(Frame().List().DropRow(), -1);
}

std::string NumberedName(int i) {
    char name[32];
    std::snprintf(name, sizeof(name), "e%d.dat", 1000 + i);
    return name;
}

TEST_F(Transfer, MoreThan255EntriesInOneDragMoveTogether) {
    for (int i = 0; i < 300; ++i)
        AddEntry(*maps, NumberedName(i), 1);
    ModelChanged();
    ShowInList(maps);
    // Row 0 is the folder DM, then the entries by name.
    ASSERT_EQ(ListText(0, 0), "DM");
    ASSERT_EQ(ListText(300, 0), NumberedName(299));
    std::vector<int> rows;
    for (int row = 1; row <= 300; ++row)
        rows.push_back(row);
    SelectRows(rows);
    ListDrags(List(), RowPoint(0));
    EXPECT_EQ(dm->entries.size(), 300u);
    EXPECT_TRUE(maps->entries.empty());
    EXPECT_EQ(ItemNameOf(dm->entries.front()), "e1000.dat");
    EXPECT_EQ(ItemNameOf(dm->entries.back()), "e1299.dat");
}

TEST_F(Transfer, CopyThenPasteMovesAndASecondPasteFindsNothing) {
    EXPECT_FALSE(Enabled(ID_EDIT_PASTE));
    ShowInList(dm);
    Frame().ActivatePane(Frame().Tree());
    ASSERT_TRUE(Run(ID_EDIT_COPY));
    EXPECT_EQ(dm->parent, maps);  // nothing moves before Paste
    EXPECT_TRUE(Enabled(ID_EDIT_PASTE));

    ShowInList(art);
    ASSERT_TRUE(Run(ID_EDIT_PASTE));
    EXPECT_EQ(dm->parent, art);
    EXPECT_EQ(Doc().Folders().Size(), 4u);  // moved, not copied
    EXPECT_FALSE(Enabled(ID_EDIT_PASTE));
    Run(ID_EDIT_PASTE);
    EXPECT_EQ(dm->parent, art);
    EXPECT_EQ(art->subfolders.size(), 1u);
}

TEST_F(Transfer, CutOfListRowsMovesOnlyWhenPastedIntoTheTreesFolder) {
    AddEntry(*art, "skin.dtx", 5);
    ModelChanged();
    ShowInList(art);
    Frame().ActivatePane(Frame().List());
    SelectRows({RowNamed("skin.dtx")});
    ASSERT_TRUE(Run(ID_EDIT_CUT));
    EXPECT_EQ(EntryNames(art), std::vector<std::string>{"skin.dtx"});
    ShowInList(dm);
    ASSERT_TRUE(Run(ID_EDIT_PASTE));
    EXPECT_EQ(EntryNames(dm), std::vector<std::string>{"skin.dtx"});
    EXPECT_TRUE(art->entries.empty());
}

TEST_F(Transfer, FoundRowsOfSeveralFoldersMoveEachFromItsOwnByCutAndPasteAndByADrag) {
    AddEntry(*art, "a.dtx", 1);
    AddEntry(*maps, "m.dtx", 2);
    AddEntry(*Root(), "r.dtx", 3);
    ModelChanged();
    Frame().ActivatePane(Frame().List());
    Frame().List().ShowFound({"*.dtx"});
    SelectRows({RowNamed("a.dtx"), RowNamed("m.dtx")});
    ASSERT_TRUE(Run(ID_EDIT_CUT));
    ShowInList(dm);
    ASSERT_TRUE(Run(ID_EDIT_PASTE));
    EXPECT_EQ(EntryNames(dm), (std::vector<std::string>{"a.dtx", "m.dtx"}));
    EXPECT_TRUE(art->entries.empty());
    EXPECT_TRUE(maps->entries.empty());

    Frame().List().ShowFound({"*.dtx"});
    SelectRows({RowNamed("m.dtx"), RowNamed("r.dtx")});
    ListDrags(Tree(), ItemPoint(art));
    EXPECT_EQ(EntryNames(art), (std::vector<std::string>{"m.dtx", "r.dtx"}));
    EXPECT_EQ(EntryNames(dm), std::vector<std::string>{"a.dtx"});
    EXPECT_TRUE(Root()->entries.empty());
}

TEST_F(Transfer, ACutThatPasteRefusesStaysOnTheClipboardAndTheUserIsToldWhy) {
    AddEntry(*art, "skin.dtx", 5);
    AddEntry(*dm, "SKIN.DTX", 7);
    ModelChanged();
    ShowInList(art);
    Frame().ActivatePane(Frame().List());
    SelectRows({RowNamed("skin.dtx")});
    ASSERT_TRUE(Run(ID_EDIT_CUT));
    ShowInList(dm);
    ASSERT_TRUE(Run(ID_EDIT_PASTE));
    EXPECT_EQ(EntryNames(art), std::vector<std::string>{"skin.dtx"});
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{
                                   "An item named skin.dtx already exists in Untitled\\Maps\\DM."});
    EXPECT_TRUE(Enabled(ID_EDIT_PASTE));
    ShowInList(maps);
    ASSERT_TRUE(Run(ID_EDIT_PASTE));
    EXPECT_EQ(EntryNames(maps), std::vector<std::string>{"skin.dtx"});
    EXPECT_FALSE(Enabled(ID_EDIT_PASTE));
}

TEST_F(Transfer, ShellFilesOnTheClipboardArePastedIntoTheSelectedFolderAndStay) {
    const std::string file = disk.Write("clip\\pasted.txt", "p");
    ASSERT_EQ(OleSetClipboard(DroppedFiles({file}).Get()), S_OK);
    EXPECT_TRUE(Enabled(ID_EDIT_PASTE));
    ShowInList(art);
    ASSERT_TRUE(Run(ID_EDIT_PASTE));
    EXPECT_EQ(EntryNames(art), std::vector<std::string>{"pasted.txt"});
    EXPECT_EQ(progressLog.size(), 1u);
    // Files are not used up.
    EXPECT_TRUE(Enabled(ID_EDIT_PASTE));
}

TEST_F(Transfer, HostileDataIsRefusedWithoutTouchingTheArchive) {
    // A payload naming records of another program, a cut one, and a drop list whose names
    // run past its block.
    std::vector<std::uint8_t> foreign = EncodeFolderPayload(dm);
    foreign[12 + 7] ^= 0x5A;  // the tag in the reference's top byte
    std::vector<std::uint8_t> cut = EncodeSelectionPayload({dm}, maps, {});
    cut.resize(cut.size() - 3);
    std::vector<std::uint8_t> badList = DropFilesBlock({disk.Write("bad.txt", "b")}, false);
    badList.resize(badList.size() - 2);  // no closing zeros
    std::vector<std::uint8_t> farList = DropFilesBlock({"C:\\x"}, true);
    reinterpret_cast<DROPFILES*>(farList.data())->pFiles = 100000;

    for (const ComPtr<DataSource>& data :
         {SourceWith(MovePayloadFormat(), foreign), SourceWith(MovePayloadFormat(), cut),
          SourceWith(MovePayloadFormat(), {}), SourceWith(CF_HDROP, badList),
          SourceWith(CF_HDROP, farList)}) {
        DragOnto(data.Get(), Tree(), ItemPoint(art));
        DragOnto(data.Get(), List(), EmptyListPoint());
    }
    EXPECT_EQ(dm->parent, maps);
    EXPECT_TRUE(art->entries.empty());
    EXPECT_TRUE(Root()->entries.empty());
    EXPECT_EQ(Doc().Folders().Size(), 4u);
    EXPECT_FALSE(Doc().IsModified());
}

}  // namespace
}  // namespace tarvex_test
