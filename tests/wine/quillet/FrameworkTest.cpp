// The window framework's pieces that stand on their own: command routing, the toolbar
// layout, the icon menu, open-dialog names and registry settings.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/ui/CommandRouter.h"
#include "platform/win32/ui/IconMenu.h"
#include "platform/win32/ui/OpenFileNames.h"
#include "platform/win32/ui/RegistrySettings.h"
#include "platform/win32/ui/ToolbarLayout.h"
#include "resources/quillet/resource.h"

namespace {

TEST(CommandRouter, RunsOnlyAvailableCommands) {
    CommandRouter router;
    int runs = 0;
    bool enabled = false;
    router.Add(
        1, [&] { ++runs; }, EnabledWhen([&] { return enabled; }));
    router.Add(
        2, [&] { runs += 10; }, CheckedWhen([] { return true; }));
    EXPECT_FALSE(router.Run(1));
    EXPECT_FALSE(router.Run(3));  // no handler: never available
    EXPECT_FALSE(router.State(3).enabled);
    enabled = true;
    EXPECT_TRUE(router.Run(1));
    EXPECT_TRUE(router.Run(2));
    EXPECT_EQ(runs, 11);
    EXPECT_TRUE(router.State(2).checked);
    EXPECT_FALSE(router.State(1).checked);
}

TEST(ToolbarLayout, ReadsButtonsAndImagesFromTheResource) {
    ToolbarLayout layout;
    ASSERT_TRUE(LoadToolbarLayout(GetModuleHandleA(nullptr), IDR_MAINFRAME, layout));
    EXPECT_EQ(layout.width, 16);
    EXPECT_EQ(layout.height, 15);
    ASSERT_EQ(layout.commands.size(), 14u);
    EXPECT_EQ(layout.ImageOf(ID_FILE_NEW), 0);
    EXPECT_EQ(layout.ImageOf(ID_EDIT_INSERT), 6);
    EXPECT_EQ(layout.ImageOf(ID_APP_ABOUT), 9);
    EXPECT_EQ(layout.ImageOf(ID_EDIT_REPEAT), -1);
    EXPECT_FALSE(LoadToolbarLayout(GetModuleHandleA(nullptr), 999, layout));
}

// Every popup item of the icon menu keeps its identifier and text and becomes owner-drawn.
void ExpectSameItems(HMENU plain, HMENU drawn, const IconMenu& menu) {
    ASSERT_EQ(GetMenuItemCount(plain), GetMenuItemCount(drawn));
    for (int i = 0; i < GetMenuItemCount(plain); ++i) {
        EXPECT_EQ(GetMenuItemID(plain, i), GetMenuItemID(drawn, i));
        MENUITEMINFOA info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE;
        GetMenuItemInfoA(drawn, i, TRUE, &info);
        EXPECT_TRUE(info.fType & MFT_OWNERDRAW) << i;
        char text[256] = "";
        GetMenuStringA(plain, i, text, sizeof(text), MF_BYPOSITION);
        EXPECT_EQ(menu.ItemText(drawn, i), text);
    }
}

TEST(IconMenu, KeepsItemsAndCommandsAndDrawsTheToolbarImages) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    ToolbarLayout layout;
    ASSERT_TRUE(LoadToolbarLayout(instance, IDR_MAINFRAME, layout));
    HIMAGELIST images = ImageList_LoadImageA(instance, MAKEINTRESOURCEA(IDR_MAINFRAME), 16, 0,
                                             RGB(192, 192, 192), IMAGE_BITMAP, LR_CREATEDIBSECTION);
    ASSERT_NE(images, nullptr);
    IconMenu menu;
    ASSERT_TRUE(menu.Load(instance, IDR_MAINFRAME, images, layout));
    HMENU plain = LoadMenuA(instance, MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_EQ(GetMenuItemCount(plain), 4);
    for (int i = 0; i < 4; ++i)
        ExpectSameItems(GetSubMenu(plain, i), GetSubMenu(menu.Handle(), i), menu);

    HMENU edit = GetSubMenu(menu.Handle(), 1);
    EXPECT_EQ(menu.ItemText(edit, 2), "&Insert\tCtrl+I");
    LRESULT result = 0;
    ASSERT_TRUE(menu.OnMenuChar('I', edit, result));
    EXPECT_EQ(result, MAKELRESULT(2, MNC_EXECUTE));
    EXPECT_FALSE(menu.OnMenuChar('q', edit, result));

    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_DATA;
    GetMenuItemInfoA(edit, 2, TRUE, &info);
    MEASUREITEMSTRUCT measure{ODT_MENU, 0, ID_EDIT_INSERT, 0, 0, info.dwItemData};
    ASSERT_TRUE(menu.OnMeasureItem(measure));
    EXPECT_GT(measure.itemWidth, 60u);
    EXPECT_GE(measure.itemHeight, 18u);

    // The Insert item drawn into a bitmap shows the green of its toolbar image.
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, measure.itemWidth, measure.itemHeight);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_MENU;
    draw.itemID = ID_EDIT_INSERT;
    draw.hDC = dc;
    draw.rcItem = {0, 0, static_cast<LONG>(measure.itemWidth),
                   static_cast<LONG>(measure.itemHeight)};
    draw.itemData = info.dwItemData;
    ASSERT_TRUE(menu.OnDrawItem(draw));
    int green = 0;
    for (int y = 0; y < draw.rcItem.bottom; ++y) {
        for (int x = 0; x < 24; ++x)
            green += GetPixel(dc, x, y) == RGB(0, 128, 0);
    }
    EXPECT_GT(green, 10);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    DestroyMenu(plain);
    ImageList_Destroy(images);
}

TEST(OpenFileNames, SinglePathOrFolderWithNames) {
    const char single[] = "C:\\maps\\one.dat\0";
    EXPECT_EQ(ParseOpenFileNames(single, sizeof(single)),
              (std::vector<std::string>{"C:\\maps\\one.dat"}));
    const char several[] = "C:\\maps\0a.dat\0b.dat\0";
    EXPECT_EQ(ParseOpenFileNames(several, sizeof(several)),
              (std::vector<std::string>{"C:\\maps\\a.dat", "C:\\maps\\b.dat"}));
    const char root[] = "C:\\\0a.dat\0b.dat\0";
    EXPECT_EQ(ParseOpenFileNames(root, sizeof(root)),
              (std::vector<std::string>{"C:\\a.dat", "C:\\b.dat"}));
    const char unterminated[4] = {'a', 'b', 'c', 'd'};
    EXPECT_EQ(ParseOpenFileNames(unterminated, sizeof(unterminated)),
              (std::vector<std::string>{"abcd"}));
    EXPECT_TRUE(ParseOpenFileNames("\0", 2).empty());
}

TEST(RegistrySettings, KeepsValuesUnderTheMakersKey) {
    RegistrySettings settings("QuilletTest");
    EXPECT_EQ(settings.GetString("Window", "Missing", "fallback"), "fallback");
    EXPECT_EQ(settings.GetInt("Window", "Missing", 7), 7);
    ASSERT_TRUE(settings.SetString("Window", "Name", "Cres.DLL"));
    ASSERT_TRUE(settings.SetInt("Window", "Width", -640));
    EXPECT_EQ(settings.GetString("Window", "Name", ""), "Cres.DLL");
    EXPECT_EQ(settings.GetInt("Window", "Width", 0), -640);
    EXPECT_EQ(settings.GetInt("Window", "Name", 5), 5);  // a string is no integer

    HKEY key;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Stonemere Software\\QuilletTest\\Window",
                            0, KEY_READ, &key),
              ERROR_SUCCESS);
    char value[32] = "";
    DWORD size = sizeof(value);
    EXPECT_EQ(
        RegQueryValueExA(key, "Name", nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size),
        ERROR_SUCCESS);
    EXPECT_STREQ(value, "Cres.DLL");
    RegCloseKey(key);
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Stonemere Software\\QuilletTest\\Window");
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Stonemere Software\\QuilletTest");
}

}  // namespace
