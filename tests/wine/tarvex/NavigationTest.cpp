// Back, Forward, Up One Level, the Go To menu and the location bar, driven as the user does.
#include "TarvexWindow.h"

#include <functional>

#include "resources/tarvex/resource.h"

namespace tarvex_test {
namespace {

class Navigation : public TarvexWindow {
  protected:
    void SetUp() override {
        TarvexWindow::SetUp();
        Start();
        for (const char* name : {"A", "B", "C", "D"})
            folders.push_back(&AddFolder(name, nullptr));
        ModelChanged();
    }
    // A selection made by the user in the tree.
    void Visit(RezFolder* folder) { TreeView_SelectItem(Tree(), ItemOf(folder)); }
    std::string Shown() {
        RezFolder* shown = Frame().List().Rows().ShownFolder();
        return shown ? shown->name : "(none)";
    }
    std::vector<std::string> LocationItems() {
        std::vector<std::string> texts;
        for (int i = 0; i < Frame().Location().ItemCount(); ++i)
            texts.push_back(Frame().Location().ItemText(i));
        return texts;
    }
    HMENU GoToMenu() {
        HMENU view = GetSubMenu(GetMenu(Frame().Handle()), 2);
        return GetSubMenu(view, 9);
    }
    // Opens the Go To menu as the menu bar does: its items are made as it shows.
    std::vector<std::string> OpenGoToMenu() {
        SendMessageA(Frame().Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(GoToMenu()),
                     MAKELPARAM(9, FALSE));
        std::vector<std::string> texts;
        for (int i = 4; i < GetMenuItemCount(GoToMenu()); ++i)
            texts.push_back(Frame().Menu().ItemText(GoToMenu(), i));
        return texts;
    }

    std::vector<RezFolder*> folders;
};

TEST_F(Navigation, BackForwardAndANewVisitThatDiscardsTheForwardOnes) {
    RezFolder *a = folders[0], *b = folders[1], *c = folders[2], *d = folders[3];
    // The tree selected its root as it took the focus.
    EXPECT_EQ(LocationItems(), std::vector<std::string>{"Untitled"});
    EXPECT_FALSE(Enabled(ID_GO_BACK));
    Visit(a);
    Visit(b);
    Visit(c);
    EXPECT_EQ(LocationItems(),
              (std::vector<std::string>{"Untitled", "Untitled\\A", "Untitled\\B", "Untitled\\C"}));
    EXPECT_EQ(Frame().Location().SelectedItem(), 3);
    EXPECT_TRUE(Enabled(ID_GO_BACK));
    EXPECT_FALSE(Enabled(ID_GO_FORWARD));

    ASSERT_TRUE(Run(ID_GO_BACK));
    EXPECT_EQ(Shown(), "B");
    EXPECT_EQ(Frame().Location().SelectedItem(), 2);
    EXPECT_TRUE(Enabled(ID_GO_FORWARD));
    // Selecting the newest visit's folder records nothing: the current visit stays B and
    // Forward still leads to C.
    Visit(c);
    EXPECT_EQ(Shown(), "C");
    EXPECT_EQ(Frame().Navigation().History().Visits().size(), 4u);
    EXPECT_EQ(Frame().Navigation().History().Current()->folder, b);
    ASSERT_TRUE(Run(ID_GO_FORWARD));
    EXPECT_EQ(Frame().Navigation().History().Current()->folder, c);

    ASSERT_TRUE(Run(ID_GO_BACK));
    ASSERT_TRUE(Run(ID_GO_BACK));
    EXPECT_EQ(Shown(), "A");
    EXPECT_EQ(TreeView_GetSelection(Tree()), ItemOf(a));
    Visit(d);  // discards B and C
    EXPECT_FALSE(Enabled(ID_GO_FORWARD));
    EXPECT_EQ(Frame().Navigation().History().Visits().size(), 3u);
    ASSERT_TRUE(Run(ID_GO_BACK));
    EXPECT_EQ(Shown(), "A");
    // Items are never removed by going back.
    EXPECT_EQ(LocationItems(), (std::vector<std::string>{"Untitled", "Untitled\\A", "Untitled\\B",
                                                         "Untitled\\C", "Untitled\\D"}));
}

TEST_F(Navigation, GoToListsFourteenVisitsAroundTheCurrentOne) {
    // 24 visits: the root, then A, B, C, D six times over.
    for (int round = 0; round < 6; ++round) {
        for (RezFolder* folder : folders)
            Visit(folder);
    }
    ASSERT_EQ(Frame().Navigation().History().Visits().size(), 25u);
    for (int i = 0; i < 10; ++i)
        ASSERT_TRUE(Run(ID_GO_BACK));  // the current visit is the 15th of 25
    const std::vector<std::string> items = OpenGoToMenu();
    ASSERT_EQ(items.size(), 14u);
    EXPECT_EQ(GetMenuItemCount(GoToMenu()), 18);  // Back, Forward, Up, the separator
    // The 14 visits from the 8th to the 21st: B C D A B C D A | B | C D A B C D... checked 8th.
    EXPECT_EQ(items[0], "Untitled\\C");
    EXPECT_EQ(items[7], "Untitled\\B");
    for (int i = 0; i < 14; ++i) {
        const UINT id = ID_GO_HISTORY_FIRST + i;
        EXPECT_EQ(GetMenuItemID(GoToMenu(), 4 + i), id);
        EXPECT_EQ(Checked(id), i == 7) << i;
        EXPECT_TRUE(Enabled(id));
    }
    ASSERT_TRUE(Run(ID_GO_HISTORY_FIRST));  // seven steps back
    EXPECT_EQ(Shown(), "C");
    EXPECT_EQ(Frame().Navigation().History().Current(),
              &Frame().Navigation().History().Visits()[7]);

    // The next opening lists the visits around the new current one, no more and no fewer.
    const std::vector<std::string> again = OpenGoToMenu();
    EXPECT_EQ(again.size(), 14u);
    EXPECT_TRUE(Checked(ID_GO_HISTORY_FIRST + 7));
    EXPECT_EQ(again[7], "Untitled\\C");
}

TEST_F(Navigation, UpOneLevelAndTypedPaths) {
    RezFolder& below = AddFolder("Deep", folders[1]);
    ModelChanged();
    EXPECT_FALSE(Enabled(ID_GO_UP));  // nothing selected after the update
    Visit(Root());
    EXPECT_FALSE(Enabled(ID_GO_UP));
    Visit(&below);
    EXPECT_TRUE(Enabled(ID_GO_UP));
    ASSERT_TRUE(Run(ID_GO_UP));
    EXPECT_EQ(Shown(), "B");
    EXPECT_EQ(Frame().Navigation().History().Current()->path, "Untitled\\B");

    // A path typed in the location bar, ended by Enter or the Go button.
    HWND edit = Frame().Location().Edit();
    SetWindowTextA(edit, "Untitled\\B\\Deep");
    SendMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(Shown(), "Deep");
    SetWindowTextA(edit, "Untitled\\A");
    ASSERT_TRUE(Run(ID_LOCATION_GO));
    EXPECT_EQ(Shown(), "A");
    // A path that names no folder changes nothing and keeps what was typed.
    const size_t visits = Frame().Navigation().History().Visits().size();
    SetWindowTextA(edit, "Untitled\\Nowhere");
    SendMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(Shown(), "A");
    EXPECT_EQ(Frame().Navigation().History().Visits().size(), visits);
    EXPECT_EQ(Frame().Location().EditText(), "Untitled\\Nowhere");

    // Choosing an item of the drop-down list goes there, recorded.
    HWND combo = Frame().Location().Combo();
    SendMessageA(combo, CB_SETCURSEL, 0, 0);
    SendMessageA(GetParent(combo), WM_COMMAND, MAKEWPARAM(ID_LOCATION_COMBO, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
    EXPECT_EQ(Shown(), "Untitled");
    EXPECT_EQ(Frame().Navigation().History().Current()->path, "Untitled");
}

TEST_F(Navigation, LocationBarMovesToTheToolbarsRowAndBack) {
    // Wide enough for both bars on one row.
    SetWindowPos(Frame().Handle(), nullptr, 0, 0, 1000, 400, SWP_NOZORDER | SWP_NOMOVE);
    HWND rebar = Frame().Bars().Handle();
    EXPECT_TRUE(Checked(ID_VIEW_LOCATION_BAR));
    EXPECT_EQ(Frame().Bars().BandCount(), 2);
    const int twoRows = Frame().Bars().Height();
    ASSERT_TRUE(Run(ID_VIEW_LOCATION_BAR));
    EXPECT_FALSE(Checked(ID_VIEW_LOCATION_BAR));
    EXPECT_EQ(Frame().Bars().BandCount(), 1);
    EXPECT_FALSE(IsWindowVisible(Frame().Location().Handle()) ||
                 (GetWindowLongA(Frame().Location().Handle(), GWL_STYLE) & WS_VISIBLE));
    ASSERT_TRUE(Run(ID_VIEW_LOCATION_BAR));
    EXPECT_EQ(Frame().Bars().BandCount(), 2);
    REBARBANDINFOA band{};
    band.cbSize = REBARBANDINFOA_V3_SIZE;
    band.fMask = RBBIM_STYLE | RBBIM_CHILD;
    SendMessageA(rebar, RB_GETBANDINFOA, 1, reinterpret_cast<LPARAM>(&band));
    EXPECT_EQ(band.hwndChild, Frame().Location().Handle());
    EXPECT_FALSE(band.fStyle & RBBS_BREAK);  // on the toolbar's row now
    EXPECT_LT(Frame().Bars().Height(), twoRows);
}

TEST_F(Navigation, NewAndOpenBothLeaveNoVisitAndNoSelection) {
    const std::string archive = disk.Path("nav.rez");
    disk.Write("tree\\Sub\\f.txt", "f");
    SaveArchiveOf(disk.Path("tree"), archive);
    for (const std::function<void()>& renew :
         std::vector<std::function<void()>>{[&] { Run(ID_FILE_NEW_REZ); },
                                            [&] {
                                                Doc().OpenDocument(archive);
                                                Doc().FinishJobs();
                                            }}) {
        ModelChanged();
        Visit(Root());
        Pump();
        ASSERT_EQ(LocationItems().size(), 1u);
        renew();
        Pump();
        EXPECT_EQ(LocationItems(), std::vector<std::string>{});
        EXPECT_EQ(Frame().Location().EditText(), "");
        EXPECT_EQ(TreeView_GetSelection(Tree()), nullptr);
        EXPECT_FALSE(Enabled(ID_GO_BACK));
        EXPECT_EQ(Frame().List().Rows().ShownFolder(), Root());
    }
}

TEST_F(Navigation, ToolbarAndLocationBarEachHideTheirOwnBandInWhateverOrder) {
    Rebar& bars = Frame().Bars();
    HWND toolbar = Frame().Tools().Handle();
    HWND location = Frame().Location().Handle();
    // The user dragged the location bar in front of the toolbar.
    SendMessageA(bars.Handle(), RB_MOVEBAND, 1, 0);
    ASSERT_TRUE(Run(ID_VIEW_TOOLBAR));
    EXPECT_FALSE(Checked(ID_VIEW_TOOLBAR));
    EXPECT_FALSE(bars.IsBandShown(toolbar));
    EXPECT_TRUE(bars.IsBandShown(location));
    EXPECT_TRUE(Checked(ID_VIEW_LOCATION_BAR));
    EXPECT_GT(bars.Height(), 0);

    ASSERT_TRUE(Run(ID_VIEW_LOCATION_BAR));
    EXPECT_EQ(bars.BandCount(), 1);
    EXPECT_FALSE(bars.IsBandShown(location));
    EXPECT_EQ(bars.Height(), 0);  // nothing left to show

    ASSERT_TRUE(Run(ID_VIEW_TOOLBAR));
    EXPECT_TRUE(Checked(ID_VIEW_TOOLBAR));
    EXPECT_TRUE(bars.IsBandShown(toolbar));
    EXPECT_GT(bars.Height(), 0);
    ASSERT_TRUE(Run(ID_VIEW_LOCATION_BAR));
    EXPECT_TRUE(bars.IsBandShown(location));
}

TEST_F(Navigation, TheComboBoxTakesTheWidthTheBarLeaves) {
    CLocationBar& bar = Frame().Location();
    RECT label, labelButton, combo, go, toolbar;
    auto measure = [&] {
        GetWindowRect(bar.Label(), &label);
        SendMessageA(bar.Handle(), TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&labelButton));
        GetWindowRect(bar.Combo(), &combo);
        SendMessageA(bar.Handle(), TB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&go));
        GetClientRect(bar.Handle(), &toolbar);
        MapWindowPoints(nullptr, bar.Handle(), reinterpret_cast<POINT*>(&label), 2);
        MapWindowPoints(nullptr, bar.Handle(), reinterpret_cast<POINT*>(&combo), 2);
    };
    auto expectLaidOut = [&] {
        EXPECT_EQ(label.left, labelButton.left);
        EXPECT_EQ(label.top, labelButton.top + 4);
        EXPECT_EQ(combo.left, labelButton.right);
        EXPECT_EQ(combo.right - combo.left, toolbar.right - (go.right - go.left) - 10 -
                                                (labelButton.right - labelButton.left));
        EXPECT_LE(combo.right, go.left);
        EXPECT_LE(go.right, toolbar.right);
    };
    measure();
    expectLaidOut();
    const int narrow = combo.right - combo.left;
    SetWindowPos(Frame().Handle(), nullptr, 0, 0, 900, 480, SWP_NOZORDER | SWP_NOMOVE);
    measure();
    expectLaidOut();
    EXPECT_GT(combo.right - combo.left, narrow + 200);
    // The bar fills its band, the band the width of the window.
    RECT rebar;
    GetClientRect(Frame().Bars().Handle(), &rebar);
    RECT bar_;
    GetWindowRect(bar.Handle(), &bar_);
    MapWindowPoints(nullptr, Frame().Bars().Handle(), reinterpret_cast<POINT*>(&bar_), 2);
    EXPECT_GE(bar_.right, rebar.right - 4);
}

TEST_F(Navigation, F6AndTabMoveBetweenThePanes) {
    EXPECT_EQ(Frame().ActivePane(), &Frame().Tree());
    NMTVKEYDOWN tab{};
    tab.hdr = {Tree(), 0, static_cast<UINT>(TVN_KEYDOWN)};
    tab.wVKey = VK_TAB;
    SendMessageA(GetParent(Tree()), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&tab));
    EXPECT_EQ(Frame().ActivePane(), &Frame().List());
    ASSERT_TRUE(Run(ID_NEXT_PANE));
    EXPECT_EQ(Frame().ActivePane(), &Frame().Tree());
    ASSERT_TRUE(Run(ID_PREV_PANE));
    EXPECT_EQ(Frame().ActivePane(), &Frame().List());
    NMLVKEYDOWN listTab{};
    listTab.hdr = {List(), 0, static_cast<UINT>(LVN_KEYDOWN)};
    listTab.wVKey = VK_TAB;
    SendMessageA(GetParent(List()), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&listTab));
    EXPECT_EQ(Frame().ActivePane(), &Frame().Tree());
}

}  // namespace
}  // namespace tarvex_test
