// The folder tree and the file list over a model: sorted children, only the root expanded,
// item data, the rows in each sort order with the header's arrow, texts, double clicks and
// the view modes.
#include "TarvexWindow.h"

#include <ctime>

#include "browser/FileTypeIcons.h"
#include "resources/tarvex/resource.h"

namespace tarvex_test {
namespace {

using TreeAndList = TarvexWindow;

TVITEMA ItemData(HWND tree, HTREEITEM item) {
    TVITEMA data{};
    data.mask = TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE;
    data.stateMask = TVIS_EXPANDED;
    data.hItem = item;
    SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
    return data;
}

TEST_F(TreeAndList, TreeHoldsTheFoldersSortedWithOnlyTheRootExpanded) {
    Start();
    RezFolder& b = AddFolder("b", nullptr);
    AddFolder("a", nullptr);
    AddFolder("c", nullptr);
    RezFolder& deep = AddFolder("Zeta", &b);
    AddFolder("alpha", &b);
    ModelChanged();

    HTREEITEM top = TreeView_GetRoot(Tree());
    EXPECT_EQ(top, ItemOf(Root()));
    EXPECT_EQ(TreeText(top), "Untitled");
    EXPECT_EQ(TreeView_GetNextSibling(Tree(), top), nullptr);
    EXPECT_EQ(TreeChildren(top), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(TreeChildren(ItemOf(&b)), (std::vector<std::string>{"alpha", "Zeta"}));
    EXPECT_EQ(TreeView_GetSelection(Tree()), nullptr);

    const TVITEMA root = ItemData(Tree(), top);
    EXPECT_TRUE(root.state & TVIS_EXPANDED);
    EXPECT_EQ(reinterpret_cast<RezFolder*>(root.lParam), Root());
    EXPECT_EQ(root.iImage, 1);  // ".rez"
    EXPECT_EQ(root.iSelectedImage, 1);
    const TVITEMA folder = ItemData(Tree(), ItemOf(&b));
    EXPECT_FALSE(folder.state & TVIS_EXPANDED);
    EXPECT_EQ(reinterpret_cast<RezFolder*>(folder.lParam), &b);
    EXPECT_EQ(folder.iImage, 7);          // "."
    EXPECT_EQ(folder.iSelectedImage, 8);  // ".folder"
    EXPECT_EQ(reinterpret_cast<RezFolder*>(ItemData(Tree(), ItemOf(&deep)).lParam), &deep);

    // The list shows the root; selecting a folder in the tree shows that folder.
    EXPECT_EQ(ListColumn(0), (std::vector<std::string>{"a", "b", "c"}));
    TreeView_SelectItem(Tree(), ItemOf(&b));
    EXPECT_EQ(ListColumn(0), (std::vector<std::string>{"alpha", "Zeta"}));
    EXPECT_EQ(Frame().List().Rows().ShownFolder(), &b);

    // Every update refills the tree: the selection goes, the list shows the root again.
    TreeView_Expand(Tree(), ItemOf(&b), TVE_EXPAND);
    ModelChanged();
    EXPECT_EQ(TreeView_GetSelection(Tree()), nullptr);
    EXPECT_FALSE(ItemData(Tree(), ItemOf(&b)).state & TVIS_EXPANDED);
    EXPECT_EQ(ListColumn(0), (std::vector<std::string>{"a", "b", "c"}));
}

TEST_F(TreeAndList, RowsInEverySortOrderWithTheHeadersArrow) {
    Start();
    AddFolder("Maps", nullptr).time = 1200000000;
    AddFolder("art", nullptr).time = 1000000000;
    AddEntry(*Root(), "b.dtx", 5000, 1150000000);
    AddEntry(*Root(), "A.abc", 100, 1050000000);
    AddEntry(*Root(), "c.dat", 300000, 1250000000);
    ModelChanged();
    const CSortHeaderCtrl& header = Frame().List().Header();

    EXPECT_EQ(ListColumn(0), (std::vector<std::string>{"art", "Maps", "A.abc", "b.dtx", "c.dat"}));
    EXPECT_EQ(header.SortColumn(), 0);
    EXPECT_TRUE(header.SortAscending());
    ClickHeader(0);  // the same column again: descending
    EXPECT_EQ(ListColumn(0), (std::vector<std::string>{"c.dat", "b.dtx", "A.abc", "Maps", "art"}));
    EXPECT_FALSE(header.SortAscending());
    ClickHeader(1);  // another column keeps the direction: entries largest first
    EXPECT_EQ(ListColumn(0), (std::vector<std::string>{"c.dat", "b.dtx", "A.abc", "Maps", "art"}));
    EXPECT_EQ(ListColumn(1), (std::vector<std::string>{"292 Kb", "4 Kb", "1 Kb", "", ""}));
    EXPECT_EQ(header.SortColumn(), 1);
    ClickHeader(1);  // equal folders keep their order
    EXPECT_EQ(ListColumn(0), (std::vector<std::string>{"Maps", "art", "A.abc", "b.dtx", "c.dat"}));
    ClickHeader(2);  // by type name; folders keep their order
    EXPECT_EQ(ListColumn(2),
              (std::vector<std::string>{"Folder", "Folder", "3D Model", "Texture", "World Data"}));
    ClickHeader(3);
    EXPECT_EQ(ListColumn(0), (std::vector<std::string>{"art", "Maps", "A.abc", "b.dtx", "c.dat"}));
    ClickHeader(3);
    EXPECT_EQ(ListColumn(0), (std::vector<std::string>{"c.dat", "b.dtx", "A.abc", "Maps", "art"}));
    EXPECT_EQ(header.SortColumn(), 3);
    EXPECT_FALSE(header.SortAscending());

    // Every title is drawn by the header's wrapper.
    HWND headerWindow = ListView_GetHeader(List());
    for (int column = 0; column < 4; ++column) {
        HDITEMA item{};
        item.mask = HDI_FORMAT;
        Header_GetItem(headerWindow, column, &item);
        EXPECT_TRUE(item.fmt & HDF_OWNERDRAW) << column;
    }
}

// The sort column's arrow as the header draws it, pixel by pixel, against the two outlines
// worked out here from the item's rectangle and the width w of a space in the header's font.
TEST_F(TreeAndList, TheArrowPointsUpOrDownOnTheSortColumnOnly) {
    Start();
    const CSortHeaderCtrl& header = Frame().List().Header();
    HWND window = header.Handle();
    const RECT item = {0, 0, 150, 20};
    WindowDC screen(window);
    MemoryDC dc(CreateCompatibleDC(screen.Get()));
    ScopedBitmap canvas(CreateCompatibleBitmap(screen.Get(), item.right, item.bottom));
    SelectedObject selected(dc.Get(), canvas.Get());
    SelectedObject font(dc.Get(), reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)));
    SIZE space{};
    GetTextExtentPoint32A(dc.Get(), " ", 1, &space);
    const int w = space.cx, r = item.right, b = item.bottom;
    ASSERT_GT(w, 1);

    auto draw = [&](UINT column) {
        DRAWITEMSTRUCT draw{};
        draw.CtlType = ODT_HEADER;
        draw.hwndItem = window;
        draw.itemID = column;
        draw.hDC = dc.Get();
        draw.rcItem = item;
        return header.DrawItem(draw);
    };
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF dark = GetSysColor(COLOR_BTNSHADOW);
    auto at = [&](int x, int y) { return GetPixel(dc.Get(), x, y); };
    // Whether a pixel of the colour lies in row y from x0 to x1.
    auto inRow = [&](int y, int x0, int x1, COLORREF colour) {
        for (int x = x0; x <= x1; ++x) {
            if (at(x, y) == colour)
                return true;
        }
        return false;
    };
    const int middle = b / 2;

    ASSERT_TRUE(draw(0));  // Name, ascending: pointing up
    // Lit on the right side and along the base, in shadow on the left side.
    EXPECT_EQ(at(r - 3 * w, b - 2 * w), light);
    EXPECT_EQ(at(r - 4 * w, b - 2 * w), light);
    EXPECT_EQ(at(r - 5 * w - 1, b - 2 * w), light);
    EXPECT_EQ(at(r - 5 * w - 1, b - 2 * w - 1), dark);
    EXPECT_TRUE(inRow(middle, r - 4 * w + 1, r - 3 * w, light));
    EXPECT_FALSE(inRow(middle, r - 4 * w + 1, r - 3 * w, dark));
    EXPECT_TRUE(inRow(middle, r - 5 * w - 1, r - 4 * w - 1, dark));
    EXPECT_FALSE(inRow(middle, r - 5 * w - 1, r - 4 * w - 1, light));

    ClickHeader(0);
    ASSERT_TRUE(draw(0));  // descending: pointing down
    // In shadow along the top and on the left side, lit on the right side.
    EXPECT_EQ(at(r - 3 * w, 2 * w - 1), light);
    EXPECT_EQ(at(r - 5 * w - 1, 2 * w - 1), dark);
    EXPECT_EQ(at(r - 4 * w, 2 * w - 1), dark);
    EXPECT_EQ(at(r - 4 * w - 1, b - 2 * w), dark);  // the tip
    EXPECT_TRUE(inRow(middle, r - 4 * w, r - 3 * w, light));
    EXPECT_TRUE(inRow(middle, r - 5 * w - 1, r - 4 * w - 1, dark));
    EXPECT_FALSE(inRow(middle, r - 5 * w - 1, r - 4 * w - 1, light));

    ASSERT_TRUE(draw(2));  // no arrow elsewhere (Type: its title on the left)
    for (int x = r - 6 * w; x < r - 2 * w; ++x) {
        for (int y = 2 * w - 2; y <= b - 2 * w + 1; ++y)
            ASSERT_EQ(at(x, y), GetSysColor(COLOR_BTNFACE)) << x << "," << y;
    }
}

TEST_F(TreeAndList, TextsOfFolderAndEntryRows) {
    Start();
    RezFolder& maps = AddFolder("Maps", nullptr);
    maps.time = 0x7FFFFFFF;
    AddEntry(*Root(), "a.dat", 0);
    AddEntry(*Root(), "b.dat", 1023);
    AddEntry(*Root(), "c.dat", 1024);
    AddEntry(*Root(), "d.dat", 2047);
    AddEntry(*Root(), "e.dat", 1048576);
    AddEntry(*Root(), "Worlds\\Multi\\f.dat", 10);
    ModelChanged();
    EXPECT_EQ(ListColumn(0), (std::vector<std::string>{"Maps", "a.dat", "b.dat", "c.dat", "d.dat",
                                                       "e.dat", "f.dat"}));
    EXPECT_EQ(ListColumn(1),
              (std::vector<std::string>{"", "1 Kb", "1 Kb", "1 Kb", "1 Kb", "1024 Kb", "1 Kb"}));
    EXPECT_EQ(ListText(0, 2), "Folder");
    EXPECT_EQ(ListText(1, 2), "World Data");
    // Local time, as the C runtime formats it.
    const std::time_t latest = 0x7FFFFFFF;
    char expected[64];
    std::strftime(expected, sizeof(expected), "%m/%d/%y %H:%M:%S", std::localtime(&latest));
    EXPECT_EQ(ListText(0, 3), expected);

    // Icons by type: a folder, an engine world, and the shell's icon of another type.
    LVITEMA row{};
    row.mask = LVIF_IMAGE;
    row.iItem = 0;
    ListView_GetItem(List(), &row);
    EXPECT_EQ(row.iImage, 7);
    row.iItem = 1;
    ListView_GetItem(List(), &row);
    EXPECT_EQ(row.iImage, 4);
    EXPECT_EQ(Frame().Icons().IconIndexFor(".dat"), 4);
    EXPECT_EQ(ImageList_GetImageCount(Frame().Images().Small()),
              static_cast<int>(Frame().Icons().Keys().size()));
    EXPECT_EQ(ImageList_GetImageCount(Frame().Images().Large()),
              static_cast<int>(Frame().Icons().Keys().size()));
}

TEST_F(TreeAndList, DoubleClickOpensAFolderRowAndRecordsTheVisit) {
    Start();
    RezFolder& maps = AddFolder("Maps", nullptr);
    AddEntry(maps, "dm.dat", 10);
    ModelChanged();
    SelectRows({0});
    NMITEMACTIVATE click{};
    click.hdr = {List(), 0, static_cast<UINT>(NM_DBLCLK)};
    click.iItem = 0;
    SendMessageA(GetParent(List()), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&click));
    EXPECT_EQ(TreeView_GetSelection(Tree()), ItemOf(&maps));
    EXPECT_EQ(ListColumn(0), std::vector<std::string>{"dm.dat"});
    EXPECT_EQ(ListView_GetSelectedCount(List()), 0u);
    EXPECT_EQ(Frame().Navigation().History().Current()->path, "Untitled\\Maps");
}

TEST_F(TreeAndList, ViewModesChangeTheListAndAreKeptInTheRegistry) {
    Start();
    auto style = [this] { return GetWindowLongA(List(), GWL_STYLE) & LVS_TYPEMASK; };
    EXPECT_EQ(style(), LVS_REPORT);  // the first start
    EXPECT_TRUE(Checked(ID_VIEW_DETAILS));
    EXPECT_FALSE(Checked(ID_VIEW_LARGEICON));
    ASSERT_TRUE(Run(ID_VIEW_LARGEICON));
    EXPECT_EQ(style(), LVS_ICON);
    EXPECT_EQ(settings.GetInt("Settings", "ViewMode", -1), 0);
    EXPECT_TRUE(Checked(ID_VIEW_LARGEICON));
    EXPECT_FALSE(Checked(ID_VIEW_DETAILS));
    ASSERT_TRUE(Run(ID_VIEW_LIST));
    EXPECT_EQ(settings.GetInt("Settings", "ViewMode", -1), 3);
    ASSERT_TRUE(Run(ID_VIEW_SMALLICON));
    EXPECT_EQ(settings.GetInt("Settings", "ViewMode", -1), 2);
    EXPECT_EQ(style(), LVS_SMALLICON);

    // The next start opens in the mode chosen last.
    Quit();
    Start();
    EXPECT_EQ(style(), LVS_SMALLICON);
    EXPECT_TRUE(Checked(ID_VIEW_SMALLICON));
}

}  // namespace
}  // namespace tarvex_test
