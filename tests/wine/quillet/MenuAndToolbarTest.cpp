// Quillet's menu and toolbar resources as the framework reads them: the toolbar layout and
// the icon menu built from menu 128.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/Scoped.h"
#include "platform/win32/ui/IconMenu.h"
#include "platform/win32/ui/ToolbarLayout.h"
#include "resources/quillet/resource.h"
#include "wine/framework/DrawnMenuItem.h"

namespace {

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
    const ScopedImageList images(ImageList_LoadImageA(instance, MAKEINTRESOURCEA(IDR_MAINFRAME), 16,
                                                      0, RGB(192, 192, 192), IMAGE_BITMAP,
                                                      LR_CREATEDIBSECTION));
    ASSERT_TRUE(images);
    IconMenu menu;
    ASSERT_TRUE(menu.Load(instance, IDR_MAINFRAME, images.Get(), layout));
    const ScopedMenu plain(LoadMenuA(instance, MAKEINTRESOURCEA(IDR_MAINFRAME)));
    ASSERT_EQ(GetMenuItemCount(plain.Get()), 4);
    for (int i = 0; i < 4; ++i)
        ExpectSameItems(GetSubMenu(plain.Get(), i), GetSubMenu(menu.Handle(), i), menu);

    HMENU edit = GetSubMenu(menu.Handle(), 1);
    EXPECT_EQ(menu.ItemText(edit, 2), "&Insert\tCtrl+I");
    LRESULT result = 0;
    ASSERT_TRUE(menu.OnMenuChar('I', edit, result));
    EXPECT_EQ(result, MAKELRESULT(2, MNC_EXECUTE));
    EXPECT_FALSE(menu.OnMenuChar('q', edit, result));

    // The Insert item shows the green of its toolbar image.
    EXPECT_GT(ImagePixelsOf(menu, edit, 2, RGB(0, 128, 0)), 10);
}

}  // namespace
