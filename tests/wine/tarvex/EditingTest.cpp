// The editing commands on the active pane: label edits in the tree and the list, Delete with
// its questions answered through the prompts, Insert Empty Folder, Insert and Extract with
// their dialogs, the status panes, the completion message and closing.
#include "TarvexWindow.h"

#include "resources/tarvex/resource.h"

namespace tarvex_test {
namespace {

class Editing : public TarvexWindow {
  protected:
    void SetUp() override {
        TarvexWindow::SetUp();
        Start();
    }
    // Edits the label the window opened and ends the edit (Enter, or Escape).
    void TypeInTree(const std::string& text, bool cancel = false) {
        HWND edit = TreeView_GetEditControl(Tree());
        ASSERT_NE(edit, nullptr);
        SetWindowTextA(edit, text.c_str());
        TreeView_EndEditLabelNow(Tree(), cancel);
        Pump();
    }
    void TypeInList(const std::string& text) {
        HWND edit = ListView_GetEditControl(List());
        ASSERT_NE(edit, nullptr);
        SetWindowTextA(edit, text.c_str());
        SendMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
        Pump();
    }
    void Select(RezFolder* folder) { TreeView_SelectItem(Tree(), ItemOf(folder)); }
    void ActivateList() { Frame().ActivatePane(Frame().List()); }
    void ActivateTree() { Frame().ActivatePane(Frame().Tree()); }
};

TEST_F(Editing, TreeLabelEditsRenameTheFolderUnlessTheNameIsRefused) {
    RezFolder& maps = AddFolder("Maps", nullptr);
    AddFolder("Skins", nullptr);
    ModelChanged();
    Select(&maps);
    ActivateTree();

    ASSERT_TRUE(Run(ID_EDIT_RENAME));
    TypeInTree("Worlds", true);  // Escape
    EXPECT_EQ(maps.name, "Maps");
    EXPECT_FALSE(Doc().IsModified());

    for (const char* refused : {"", "a\\b", "SKINS", ".."}) {
        ASSERT_TRUE(Run(ID_EDIT_RENAME));
        TypeInTree(refused);
        EXPECT_EQ(maps.name, "Maps") << refused;
        EXPECT_EQ(TreeText(ItemOf(&maps)), "Maps") << refused;
    }
    EXPECT_FALSE(Doc().IsModified());
    // Each refusal says why, as the list's do.
    EXPECT_EQ(prompts.Texts(),
              (std::vector<std::string>{UnfitNameText(""), UnfitNameText("a\\b"),
                                        "An item named SKINS already exists in Untitled.",
                                        UnfitNameText("..")}));

    ASSERT_TRUE(Run(ID_EDIT_RENAME));
    TypeInTree("Worlds");
    EXPECT_EQ(maps.name, "Worlds");
    EXPECT_EQ(TreeText(ItemOf(&maps)), "Worlds");
    EXPECT_TRUE(Doc().IsModified());
    // In its place among its siblings.
    EXPECT_EQ(TreeChildren(ItemOf(Root())), (std::vector<std::string>{"Skins", "Worlds"}));
}

TEST_F(Editing, ListLabelEditRenamesAPendingEntryWhoseSaveKeepsItsData) {
    const std::string file = disk.Write("source\\skin.dtx", "texture bytes");
    prompts.openFiles.push_back({file});
    ActivateList();
    ASSERT_TRUE(Run(ID_OBJECT_INSERT));
    ASSERT_EQ(ListColumn(0), std::vector<std::string>{"skin.dtx"});
    EXPECT_EQ(ListText(0, 2), "Texture");

    SelectRows({0});
    ASSERT_TRUE(Run(ID_EDIT_RENAME));
    TypeInList("");  // refused: the name stays
    EXPECT_EQ(ListText(0, 0), "skin.dtx");
    ASSERT_TRUE(Run(ID_EDIT_RENAME));
    TypeInList("a/b");  // and the user is told why
    EXPECT_EQ(ListText(0, 0), "skin.dtx");
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{UnfitNameText("a/b")});
    ASSERT_TRUE(Run(ID_EDIT_RENAME));
    TypeInList("skin.spr");
    EXPECT_EQ(ListText(0, 0), "skin.spr");
    EXPECT_EQ(ListText(0, 2), "Sprite");
    LVITEMA row{};
    row.mask = LVIF_IMAGE;
    ListView_GetItem(List(), &row);
    EXPECT_EQ(row.iImage, 6);  // ".spr"

    // Saved and opened again: the new name, the data of the disk file.
    const std::string archive = disk.Path("skins.rez");
    prompts.saveFiles.push_back(archive);
    ASSERT_TRUE(Run(ID_FILE_SAVE));
    Doc().FinishJobs();
    ASSERT_TRUE(Run(ID_FILE_CLOSE));
    Doc().OpenDocument(archive);
    Doc().FinishJobs();
    ASSERT_EQ(ListColumn(0), std::vector<std::string>{"SKIN.SPR"});
    ActivateList();
    SelectRows({0});
    prompts.folders.push_back(disk.Path("out"));
    CreateDirectoryA(disk.Path("out").c_str(), nullptr);
    ASSERT_TRUE(Run(ID_OBJECT_EXTRACT));
    EXPECT_EQ(ReadFile(disk.Path("out\\SKIN.SPR")), "texture bytes");
}

TEST_F(Editing, ListLabelEditOfAFolderRowRenamesItsTreeItemToo) {
    RezFolder& maps = AddFolder("Maps", nullptr);
    ModelChanged();
    ActivateList();
    SelectRows({0});
    ASSERT_TRUE(Run(ID_EDIT_RENAME));
    TypeInList("Levels");
    EXPECT_EQ(maps.name, "Levels");
    EXPECT_EQ(TreeText(ItemOf(&maps)), "Levels");
    EXPECT_EQ(ListText(0, 0), "Levels");
}

TEST_F(Editing, DeleteAsksFirstAndCancelKeepsEverything) {
    RezFolder& a = AddFolder("a", nullptr);
    AddFolder("inner", &a);
    RezFolder& b = AddFolder("b", nullptr);
    AddEntry(a, "deep.dat", 5000);
    AddEntry(*Root(), "x.dat", 1024);
    AddEntry(*Root(), "y.dat", 2048);
    AddEntry(*Root(), "z.dat", 4096);
    AddEntry(*Root(), "kept.dat", 8192);
    ModelChanged();
    EXPECT_FALSE(Enabled(ID_EDIT_DELETE));  // nothing selected in either pane
    EXPECT_FALSE(Enabled(ID_OBJECT_EXTRACT));
    EXPECT_FALSE(Enabled(ID_EDIT_RENAME));

    ActivateList();
    SelectRows({0, 1, 3, 4, 5});  // a, b, x.dat, y.dat, z.dat; not kept.dat
    EXPECT_TRUE(Enabled(ID_EDIT_DELETE));
    prompts.answers.push_back(PromptAnswer::Cancel);
    ASSERT_TRUE(Run(ID_EDIT_DELETE));
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(prompts.asked[0].text, "Are you sure you wish to delete the selected files?");
    EXPECT_EQ(prompts.asked[0].buttons, PromptButtons::OkCancel);
    EXPECT_EQ(ListView_GetItemCount(List()), 6);
    EXPECT_EQ(ListView_GetSelectedCount(List()), 5u);
    EXPECT_FALSE(Doc().IsModified());

    // The Delete key is the same command.
    prompts.answers.push_back(PromptAnswer::Ok);
    NMLVKEYDOWN key{};
    key.hdr = {List(), 0, static_cast<UINT>(LVN_KEYDOWN)};
    key.wVKey = VK_DELETE;
    SendMessageA(GetParent(List()), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&key));
    EXPECT_EQ(ListColumn(0), std::vector<std::string>{"kept.dat"});
    EXPECT_EQ(Doc().Folders().Size(), 1u);  // both subtrees went
    EXPECT_EQ(ListView_GetSelectedCount(List()), 0u);
    EXPECT_TRUE(Doc().IsModified());
    Frame().OnIdle();
    EXPECT_EQ(Frame().TotalsPaneText(), "Total 1 Files, 8KB");
    (void)b;
}

TEST_F(Editing, DeleteInTheTreeTakesTheFolderAndAllBelowIt) {
    RezFolder& maps = AddFolder("Maps", nullptr);
    AddFolder("Multi", &maps);
    AddFolder("Skins", nullptr);
    ModelChanged();
    Select(&maps);
    ActivateTree();
    prompts.answers.push_back(PromptAnswer::Ok);
    ASSERT_TRUE(Run(ID_EDIT_DELETE));
    EXPECT_EQ(
        prompts.Texts(),
        std::vector<std::string>{
            "Are you sure you wish to delete the selected Folder and all the files there-in?"});
    EXPECT_EQ(TreeChildren(ItemOf(Root())), std::vector<std::string>{"Skins"});
    EXPECT_EQ(Doc().Folders().Size(), 2u);
}

TEST_F(Editing, InsertEmptyFolderTwiceLeavesOneNewFolderInEditing) {
    for (int time = 0; time < 2; ++time) {
        ASSERT_TRUE(Run(ID_OBJECT_NEW_FOLDER));
        EXPECT_EQ(TreeChildren(ItemOf(Root())), std::vector<std::string>{"New Folder"}) << time;
        RezFolder* selected = Frame().Tree().SelectedFolder();
        ASSERT_NE(selected, nullptr);
        EXPECT_EQ(selected->name, "New Folder");
        EXPECT_EQ(selected->parent, Root());
        HWND edit = TreeView_GetEditControl(Tree());
        ASSERT_NE(edit, nullptr) << time;
        char text[64];
        GetWindowTextA(edit, text, sizeof(text));
        EXPECT_STREQ(text, "New Folder");
        TreeView_EndEditLabelNow(Tree(), TRUE);
        Select(Root());  // the second one below the same folder
    }
    EXPECT_EQ(Doc().Folders().Size(), 2u);
    EXPECT_FALSE(Doc().IsModified());
}

TEST_F(Editing, InsertTakesFilesInTheListAndAFolderInTheTree) {
    const std::string a = disk.Write("files\\a.txt", std::string(3000, 'a'));
    const std::string b = disk.Write("files\\b.txt", std::string(10000, 'b'));
    disk.Write("tree\\Maps\\dm.dat", "map");
    disk.Write("tree\\Maps\\Multi\\ctf.dat", "ctf");

    ActivateList();
    prompts.openFiles.push_back({a, b});
    ASSERT_TRUE(Run(ID_OBJECT_INSERT));
    ASSERT_EQ(prompts.dialogs.size(), 1u);
    EXPECT_EQ(prompts.dialogs[0].filter, "All Files (*.*)|*.*||");
    EXPECT_EQ(ListColumn(0), (std::vector<std::string>{"a.txt", "b.txt"}));
    EXPECT_TRUE(Doc().IsModified());

    ActivateTree();
    prompts.folders.push_back(disk.Path("tree\\Maps"));
    ASSERT_TRUE(Run(ID_OBJECT_INSERT));
    EXPECT_EQ(prompts.asked.back().text, "Please select the folder you wish to insert:");
    EXPECT_EQ(TreeChildren(ItemOf(Root())), std::vector<std::string>{"Maps"});
    // The insert's target is selected afterwards.
    EXPECT_EQ(Frame().Tree().SelectedFolder(), Root());

    Frame().OnIdle();
    EXPECT_EQ(Frame().TotalsPaneText(), "Total 4 Files, 12KB");
    ActivateList();
    SelectRows({1, 2});  // a.txt and b.txt: 2 Kb and 9 Kb as the list shows them
    Frame().OnIdle();
    EXPECT_EQ(Frame().SelectionPaneText(), "Selected 2 Files, 11KB");
    SelectRows({0});  // a folder counts nothing
    Frame().OnIdle();
    EXPECT_EQ(Frame().SelectionPaneText(), "Selected 0 Files, 0KB");
}

TEST_F(Editing, StatusPanesCountEntriesBelow1KbAsOneKb) {
    for (const char* name : {"a.dat", "b.dat", "c.dat"})
        AddEntry(*Root(), name, 1023);
    ModelChanged();
    SelectRows({0, 1, 2});
    Frame().OnIdle();
    EXPECT_EQ(Frame().SelectionPaneText(), "Selected 3 Files, 3KB");
    EXPECT_EQ(Frame().TotalsPaneText(), "Total 3 Files, 2KB");
    // The panes are as wide as their texts, and show them.
    StatusBar& status = Frame().Status();
    EXPECT_EQ(status.PaneText(1), "Selected 3 Files, 3KB");
    EXPECT_EQ(status.PaneText(2), "Total 3 Files, 2KB");
    RECT selection, totals;
    SendMessageA(status.Handle(), SB_GETRECT, 1, reinterpret_cast<LPARAM>(&selection));
    SendMessageA(status.Handle(), SB_GETRECT, 2, reinterpret_cast<LPARAM>(&totals));
    EXPECT_GT(selection.right - selection.left, 60);
    EXPECT_LT(selection.right - selection.left, 200);
}

TEST_F(Editing, ExtractAsksForTheWholeFolderOrTakesTheSelection) {
    disk.Write("tree\\top.txt", "top");
    disk.Write("tree\\Maps\\dm.dat", "map");
    const std::string archive = disk.Path("pack.rez");
    SaveArchiveOf(disk.Path("tree"), archive);
    Select(Root());
    ActivateTree();

    prompts.answers.push_back(PromptAnswer::No);
    ASSERT_TRUE(Run(ID_OBJECT_EXTRACT));
    EXPECT_EQ(prompts.asked.back().text,
              "Are you sure you wish to extract the entire Folder,\n and the subfolders it "
              "contains?");
    EXPECT_EQ(prompts.asked.back().buttons, PromptButtons::YesNo);
    EXPECT_FALSE(std::filesystem::exists(disk.Path("all")));

    prompts.folders.push_back(disk.Path("all"));
    ASSERT_TRUE(Run(ID_OBJECT_EXTRACT));
    EXPECT_EQ(prompts.asked.back().text, "Select an extraction Folder");
    EXPECT_EQ(ReadFile(disk.Path("all\\TREE\\TOP.TXT")), "top");
    EXPECT_EQ(ReadFile(disk.Path("all\\TREE\\MAPS\\DM.DAT")), "map");

    ActivateList();
    SelectRows({0});  // the folder TREE
    prompts.folders.push_back(disk.Path("some"));
    ASSERT_TRUE(Run(ID_OBJECT_EXTRACT));
    EXPECT_EQ(ReadFile(disk.Path("some\\TREE\\MAPS\\DM.DAT")), "map");
}

TEST_F(Editing, TheCompletionMessageHandsTheOpenedArchiveToTheDocument) {
    disk.Write("tree\\Maps\\dm.dat", "map");
    const std::string archive = disk.Path("maps.rez");
    SaveArchiveOf(disk.Path("tree"), archive);
    ASSERT_TRUE(Run(ID_FILE_CLOSE));
    TreeView_SelectItem(Tree(), ItemOf(Root()));

    prompts.openFiles.push_back({archive});
    ASSERT_TRUE(Run(ID_FILE_OPEN));
    // The job ends on its worker; its message comes through the loop like any other.
    MSG message;
    while (Doc().ArchivePath() != archive && GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    EXPECT_EQ(Doc().ArchivePath(), archive);
    EXPECT_TRUE(Frame().Navigation().History().Empty());
    EXPECT_EQ(Frame().Location().ItemCount(), 0);
    EXPECT_EQ(TreeChildren(ItemOf(Root())), std::vector<std::string>{"TREE"});
    EXPECT_EQ(Frame().RecentFiles().Paths().front(), archive);
    EXPECT_EQ(settings.GetString("Settings", "LastOpenFolder", ""), disk.Path());
}

TEST_F(Editing, ClosingWithChangesAsksToSaveThemAndCancelKeepsTheWindow) {
    AddEntry(*Root(), "a.dat", 1);
    Doc().SetModified(true);
    prompts.answers.push_back(PromptAnswer::Cancel);
    SendMessageA(Frame().Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Save changes to Untitled?"});
    EXPECT_TRUE(IsWindow(Frame().Handle()));
    prompts.answers.push_back(PromptAnswer::No);
    SendMessageA(Frame().Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(Frame().Handle(), nullptr);
}

}  // namespace
}  // namespace tarvex_test
