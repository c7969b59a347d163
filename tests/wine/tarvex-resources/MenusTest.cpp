// Tarvex's menus, keys and toolbars, loaded by Windows and by the window framework.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "Canvas.h"
#include "ResourceBytes.h"
#include "platform/win32/ui/IconMenu.h"
#include "platform/win32/ui/Toolbar.h"

namespace {

// One menu item: its text and identifier (0 for a separator) or the items of its popup.
struct Item {
    Item() = default;
    Item(std::string text, UINT id) : text(std::move(text)), id(id) {}
    Item(std::string text, std::vector<Item> popup)
        : text(std::move(text)), popup(std::move(popup)) {}
    std::string text;
    UINT id = 0;
    std::vector<Item> popup;
};
const Item kSeparator{};

// Items as "text=id", "-" for a separator and "text{...}" for a popup, one per line.
std::string Describe(HMENU menu, const std::string& indent = "") {
    std::string out;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        MENUITEMINFOA info{};
        char text[256] = "";
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = sizeof(text);
        EXPECT_TRUE(GetMenuItemInfoA(menu, i, TRUE, &info));
        if (info.fType & MFT_SEPARATOR)
            out += indent + "-\n";
        else if (info.hSubMenu != nullptr)
            out += indent + text + "{\n" + Describe(info.hSubMenu, indent + "  ") + indent + "}\n";
        else
            out += indent + text + "=" + std::to_string(info.wID) + "\n";
    }
    return out;
}

std::string Describe(const std::vector<Item>& items, const std::string& indent = "") {
    std::string out;
    for (const Item& item : items) {
        if (item.text.empty())
            out += indent + "-\n";
        else if (!item.popup.empty())
            out +=
                indent + item.text + "{\n" + Describe(item.popup, indent + "  ") + indent + "}\n";
        else
            out += indent + item.text + "=" + std::to_string(item.id) + "\n";
    }
    return out;
}

TEST(Menus, MainMenuItemsAndIdentifiers) {
    const std::vector<Item> expected = {
        {"&File",
         {{"&New", {{"Tarvex &Wizard", 200}, {"Empty &Rez File", 57600}, {"Rez &Project", 32790}}},
          {"&Open...\tCtrl+O", 57601},
          {"&Close", 57602},
          {"&Save\tCtrl+S", 57603},
          {"Save &As...", 57604},
          kSeparator,
          {"Recent File", 57616},
          kSeparator,
          {"E&xit", 57665}}},
        {"&Edit",
         {{"Cu&t\tCtrl+X", 57635},
          {"&Copy\tCtrl+C", 57634},
          {"&Paste\tCtrl+V", 57637},
          kSeparator,
          {"&Delete", 32773},
          {"&Rename", 32782},
          kSeparator,
          {"Select All\tCtrl+A", 32808},
          {"&Find...\tCtrl+F", 32850}}},
        {"&View",
         {{"&Toolbar", 59392},
          {"&Status Bar", 59393},
          {"&Location Bar", 32796},
          kSeparator,
          {"Large Icons", 59409},
          {"Small Icons", 59408},
          {"List", 59410},
          {"Details", 59411},
          kSeparator,
          {"&Go To",
           {{"Back\tAlt+Left Arrow", 32798},
            {"Forward\tAlt+Right Arrow", 32799},
            {"Up One Level", 32787},
            kSeparator}},
          {"Refresh", 32803}}},
        {"&Object",
         {{"&Insert", 32771},
          {"&Extract", 32772},
          {"Extract as &PNG...", 32840},
          {"Insert Empty &Folder", 32781}}},
        {"&Help", {{"&Help", 32791}, kSeparator, {"&About Tarvex...", 57664}}},
    };
    HMENU menu = LoadMenuA(Instance(), MAKEINTRESOURCEA(128));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(Describe(menu), Describe(expected));
    DestroyMenu(menu);
}

// The window fills Go To whenever the popup at index 9 of its parent is about to be shown:
// that must be Go To of View and no other popup of the menu.
TEST(Menus, OnlyGoToIsAPopupAtIndexNine) {
    HMENU menu = LoadMenuA(Instance(), MAKEINTRESOURCEA(128));
    ASSERT_NE(menu, nullptr);
    int popupsAtNine = 0;
    std::vector<HMENU> parents = {menu};
    while (!parents.empty()) {
        HMENU parent = parents.back();
        parents.pop_back();
        for (int i = 0; i < GetMenuItemCount(parent); ++i) {
            if (HMENU popup = GetSubMenu(parent, i)) {
                parents.push_back(popup);
                popupsAtNine += i == 9;
            }
        }
    }
    EXPECT_EQ(popupsAtNine, 1);
    HMENU goTo = GetSubMenu(GetSubMenu(menu, 2), 9);
    ASSERT_NE(goTo, nullptr);
    EXPECT_EQ(GetMenuItemID(goTo, 0), 32798u);
    EXPECT_EQ(GetMenuItemCount(goTo), 4);
    DestroyMenu(menu);
}

TEST(Menus, RightClickMenuIsItsFirstPopup) {
    const std::vector<Item> expected = {
        {"E&xtract", 32772},
        {"Extract as &PNG...", 32840},  // beside Extract, as on the Object menu
        {"&Insert", 32771},
        kSeparator,
        {"Cu&t", 57635},
        {"&Copy", 57634},
        {"&Paste", 57637},
        kSeparator,
        {"&Delete", 32773},
        {"&Rename", 32782},
        kSeparator,
        {"Insert Empty &Folder", 32781},
    };
    HMENU menu = LoadMenuA(Instance(), MAKEINTRESOURCEA(104));
    ASSERT_NE(menu, nullptr);
    ASSERT_NE(GetSubMenu(menu, 0), nullptr);
    EXPECT_EQ(Describe(GetSubMenu(menu, 0)), Describe(expected));
    DestroyMenu(menu);
}

TEST(Keys, AcceleratorTable) {
    using Key = std::tuple<int, int, int>;  // flags, key, command
    const std::set<Key> expected = {
        {FVIRTKEY | FCONTROL, 'N', 57600}, {FVIRTKEY | FCONTROL, 'O', 57601},
        {FVIRTKEY | FCONTROL, 'S', 57603}, {FVIRTKEY | FCONTROL, 'A', 32808},
        {FVIRTKEY | FCONTROL, 'C', 57634}, {FVIRTKEY | FCONTROL, VK_INSERT, 57634},
        {FVIRTKEY | FCONTROL, 'X', 57635}, {FVIRTKEY | FSHIFT, VK_DELETE, 57635},
        {FVIRTKEY | FCONTROL, 'V', 57637}, {FVIRTKEY | FSHIFT, VK_INSERT, 57637},
        {FVIRTKEY | FALT, VK_LEFT, 32798}, {FVIRTKEY | FALT, VK_RIGHT, 32799},
        {FVIRTKEY, VK_F6, 57680},          {FVIRTKEY | FSHIFT, VK_F6, 57681},
        {FVIRTKEY | FCONTROL, 'F', 32850},
    };
    HACCEL table = LoadAcceleratorsA(Instance(), MAKEINTRESOURCEA(128));
    ASSERT_NE(table, nullptr);
    ACCEL keys[32];
    const int count = CopyAcceleratorTableA(table, keys, 32);
    std::set<Key> loaded;
    for (int i = 0; i < count; ++i)
        loaded.insert({keys[i].fVirt & ~0x80, keys[i].key, keys[i].cmd});
    EXPECT_EQ(count, 15);
    EXPECT_EQ(loaded, expected);
    DestroyAcceleratorTable(table);
}

std::vector<WORD> Words(int id) {
    const std::string bytes = ResourceBytes(id, MAKEINTRESOURCEA(241)).value_or("");
    std::vector<WORD> words(bytes.size() / 2);
    memcpy(words.data(), bytes.data(), words.size() * 2);
    return words;
}

TEST(Toolbars, ButtonsInOrder) {
    const std::vector<WORD> main = {1,     16,    15,    23,    57600, 200,   57601, 57603, 0,
                                    32798, 32799, 32787, 0,     57635, 57634, 57637, 0,     32772,
                                    32771, 32773, 0,     59409, 59408, 59410, 59411, 0,     32791};
    EXPECT_EQ(Words(128), main);
    const std::vector<WORD> location = {1, 46, 16, 3, 32830, 32827, 32828};
    EXPECT_EQ(Words(177), location);
}

// The bitmap of a toolbar, copied onto a canvas of its size.
struct Strip {
    int width = 0, height = 0;
    std::unique_ptr<Canvas> pixels;
    COLORREF At(int x, int y) const { return pixels->At(x, y); }
};

Strip BitmapPixels(int id) {
    Strip strip;
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageA(Instance(), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (bitmap == nullptr)
        return strip;
    BITMAP info{};
    GetObjectA(bitmap, sizeof(info), &info);
    strip.width = info.bmWidth;
    strip.height = info.bmHeight;
    strip.pixels = std::make_unique<Canvas>(info.bmWidth, info.bmHeight, RGB(0, 0, 0));
    HDC source = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(source, bitmap);
    BitBlt(strip.pixels->Dc(), 0, 0, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
    DeleteObject(bitmap);
    return strip;
}

// Pixels of one image that are not the grey the toolbar makes transparent.
int DrawnPixels(const Strip& strip, int image, int width) {
    int drawn = 0;
    for (int y = 0; y < strip.height; ++y) {
        for (int x = image * width; x < (image + 1) * width; ++x)
            drawn += strip.At(x, y) != RGB(192, 192, 192);
    }
    return drawn;
}

TEST(Toolbars, OneDrawnImagePerButton) {
    const Strip main = BitmapPixels(128);
    EXPECT_EQ(main.width, 18 * 16);
    EXPECT_EQ(main.height, 15);
    for (int image = 0; image < main.width / 16; ++image)
        EXPECT_GT(DrawnPixels(main, image, 16), 25) << "image " << image;
    const Strip location = BitmapPixels(177);
    EXPECT_EQ(location.width, 3 * 46);
    EXPECT_EQ(location.height, 16);
    EXPECT_EQ(DrawnPixels(location, 0, 46), 0);  // the label and the combo box show none
    EXPECT_EQ(DrawnPixels(location, 1, 46), 0);
    int green = 0;  // the Go button: an arrow in a green disc and the word
    for (int y = 0; y < 16; ++y) {
        for (int x = 92; x < 138; ++x)
            green += GetGValue(location.At(x, y)) > 150 && GetRValue(location.At(x, y)) < 100;
    }
    EXPECT_GT(green, 60);
}

class FrameworkToolbars : public ::testing::Test {
  protected:
    void SetUp() override { parent = HiddenParent(ICC_BAR_CLASSES); }
    void TearDown() override { DestroyWindow(parent); }
    HWND parent = nullptr;
};

TEST_F(FrameworkToolbars, LoadBothToolbarsAndTheIconMenu) {
    Toolbar main;
    ASSERT_TRUE(main.Create(parent, Instance(), 128));
    EXPECT_EQ(SendMessageA(main.Handle(), TB_BUTTONCOUNT, 0, 0), 23);
    EXPECT_EQ(ImageList_GetImageCount(main.Images()), 18);
    EXPECT_EQ(main.Layout().ImageOf(32791), 17);
    EXPECT_EQ(main.Layout().ImageOf(200), 1);
    int cx = 0, cy = 0;
    ImageList_GetIconSize(main.Images(), &cx, &cy);
    EXPECT_EQ(cx, 16);
    EXPECT_EQ(cy, 15);

    Toolbar location;
    ASSERT_TRUE(location.Create(parent, Instance(), 177));
    EXPECT_EQ(SendMessageA(location.Handle(), TB_BUTTONCOUNT, 0, 0), 3);
    ImageList_GetIconSize(location.Images(), &cx, &cy);
    EXPECT_EQ(cx, 46);
    EXPECT_EQ(cy, 16);

    for (int menuId : {128, 104}) {
        IconMenu menu;
        EXPECT_TRUE(menu.Load(Instance(), menuId, main.Images(), main.Layout())) << menuId;
    }
}

}  // namespace
