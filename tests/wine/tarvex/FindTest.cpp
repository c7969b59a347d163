// Edit > Find in the window: the pattern asked for, the results with their Folder column and
// sort, Enter to a row's folder, leaving the results, and Delete on found rows.
#include "TarvexWindow.h"

#include <functional>

#include "resources/tarvex/resource.h"
#include "support/ModalScript.h"

namespace tarvex_test {
namespace {

class Find : public TarvexWindow {
  protected:
    void SetUp() override {
        TarvexWindow::SetUp();
        Start();
        textures = &AddFolder("TEXTURES", nullptr);
        walls = &AddFolder("WALLS", textures);
        AddEntry(*textures, "SKY.DTX", 10);
        AddEntry(*walls, "BRICK.DTX", 20);
        AddEntry(*Root(), "README.TXT", 30);
        AddEntry(*Root(), "ZED.DTX", 40);
        ModelChanged();
    }
    // Runs Find, typing the line into its dialog; offered: what the dialog showed first.
    void RunFind(const std::string& typed, std::string* offered = nullptr) {
        ModalScript::Run([] { return FindWindowA("#32770", "Find"); },
                         [typed, offered] {
                             HWND dialog = FindWindowA("#32770", "Find");
                             char text[256] = "";
                             GetDlgItemTextA(dialog, IDC_FIND_PATTERN, text, sizeof text);
                             if (offered)
                                 *offered = text;
                             SetDlgItemTextA(dialog, IDC_FIND_PATTERN, typed.c_str());
                             PostMessageA(dialog, WM_COMMAND, IDOK, 0);
                         },
                         [this] { ASSERT_TRUE(Run(ID_EDIT_FIND_ITEMS)); });
        Pump();
    }
    int ColumnCount() { return Header_GetItemCount(ListView_GetHeader(List())); }

    RezFolder* textures = nullptr;
    RezFolder* walls = nullptr;
};

using Texts = std::vector<std::string>;

TEST_F(Find, ResultsShowEachMatchWithItsFolderSortByItAndEnterGoesThere) {
    RunFind("*.dtx; walls");
    EXPECT_EQ(ColumnCount(), 5);
    EXPECT_EQ(ListColumn(0), (Texts{"WALLS", "BRICK.DTX", "SKY.DTX", "ZED.DTX"}));
    EXPECT_EQ(ListColumn(4), (Texts{"Untitled\\TEXTURES", "Untitled\\TEXTURES\\WALLS",
                                    "Untitled\\TEXTURES", "Untitled"}));
    EXPECT_EQ(ListText(1, 1), "1 Kb");

    // The Folder column lies beyond the hidden window's width: its click comes as the header
    // would send it.
    NMLISTVIEW click{};
    click.hdr = {List(), static_cast<UINT_PTR>(GetDlgCtrlID(List())), LVN_COLUMNCLICK};
    click.iItem = -1;
    click.iSubItem = 4;
    SendMessageA(GetParent(List()), WM_NOTIFY, click.hdr.idFrom, reinterpret_cast<LPARAM>(&click));
    EXPECT_EQ(ListColumn(0), (Texts{"WALLS", "ZED.DTX", "SKY.DTX", "BRICK.DTX"}));

    SelectRows({3});
    SendMessageA(List(), WM_KEYDOWN, VK_RETURN, 0);
    Pump();
    EXPECT_EQ(Frame().List().Rows().ShownFolder(), walls);
    EXPECT_EQ(TreeView_GetSelection(Tree()), ItemOf(walls));
    EXPECT_EQ(ColumnCount(), 4);
    EXPECT_EQ(ListColumn(0), Texts{"BRICK.DTX"});
}

TEST_F(Find, NavigatingLeavesTheResultsAndDeleteKeepsThemWithoutTheDeletedRows) {
    std::string offered;
    RunFind("*.dtx");
    RunFind("*.dtx;walls", &offered);
    EXPECT_EQ(offered, "*.dtx");
    TreeView_SelectItem(Tree(), ItemOf(textures));
    EXPECT_FALSE(Frame().List().Rows().ShowsFound());
    EXPECT_EQ(ListColumn(0), (Texts{"WALLS", "SKY.DTX"}));

    RunFind("*.dtx;walls");
    SelectRows({2, 3});  // SKY.DTX and ZED.DTX, of two folders
    Frame().ActivatePane(Frame().List());
    prompts.answers = {PromptAnswer::Ok};
    ASSERT_TRUE(Run(ID_EDIT_DELETE));
    EXPECT_EQ(ListColumn(0), (Texts{"WALLS", "BRICK.DTX"}));
    EXPECT_EQ(EntryNames(Root()), Texts{"README.TXT"});
    EXPECT_TRUE(EntryNames(textures).empty());
}

TEST_F(Find, InA720PixelWindowTheResultsColumnsFitAndTheFolderKeepsItsWidthsAfter) {
    SetWindowPos(Frame().Handle(), nullptr, 0, 0, 720, 480, SWP_NOZORDER | SWP_NOMOVE);
    Pump();
    const auto widths = [this] {
        std::vector<int> each;
        for (int index = 0; index < ColumnCount(); ++index)
            each.push_back(ListView_GetColumnWidth(List(), index));
        return each;
    };
    ListView_SetColumnWidth(List(), 0, 170);  // as the user left it
    const std::vector<int> before = widths();
    RunFind("*.dtx");
    RECT client{}, folder{};
    GetClientRect(List(), &client);
    ASSERT_TRUE(Header_GetItemRect(ListView_GetHeader(List()), 4, &folder));
    EXPECT_LE(folder.right, client.right);
    EXPECT_GE(folder.right - folder.left, 100);
    TreeView_SelectItem(Tree(), ItemOf(textures));
    EXPECT_EQ(widths(), before);
}

TEST_F(Find, EveryNavigationLeavesTheResultsThoughItsFolderIsTheTreesSelection) {
    TreeView_SelectItem(Tree(), ItemOf(textures));
    TreeView_SelectItem(Tree(), ItemOf(walls));
    ASSERT_TRUE(Run(ID_GO_BACK));
    TreeView_SelectItem(Tree(), ItemOf(walls));  // the newest visit: Forward still leads here
    HWND edit = Frame().Location().Edit();
    HWND combo = Frame().Location().Combo();
    const std::function<void()> navigations[] = {
        [this] { ASSERT_TRUE(Run(ID_GO_FORWARD)); },
        [edit] {
            SetWindowTextA(edit, "Untitled\\TEXTURES\\WALLS");
            SendMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
        },
        [combo] {
            SendMessageA(combo, CB_SETCURSEL, SendMessageA(combo, CB_GETCOUNT, 0, 0) - 1, 0);
            SendMessageA(GetParent(combo), WM_COMMAND, MAKEWPARAM(ID_LOCATION_COMBO, CBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(combo));
        },
    };
    for (const std::function<void()>& navigate : navigations) {
        RunFind("*.dtx");
        ASSERT_TRUE(Frame().List().Rows().ShowsFound());
        navigate();
        EXPECT_EQ(TreeView_GetSelection(Tree()), ItemOf(walls));
        EXPECT_EQ(Frame().List().Rows().ShownFolder(), walls);
        EXPECT_EQ(ListColumn(0), Texts{"BRICK.DTX"});
    }
}

}  // namespace
}  // namespace tarvex_test
