// The icon menu's popup menus: loaded from a menu resource's first popup, owner-drawn with
// the toolbar's images beside their commands.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include "DrawnMenuItem.h"
#include "fixtures/TestResources.h"
#include "platform/win32/Scoped.h"
#include "platform/win32/ui/IconMenu.h"
#include "platform/win32/ui/ToolbarLayout.h"

namespace {

class IconMenuPopupTest : public ::testing::Test {
  protected:
    void SetUp() override {
        HINSTANCE instance = GetModuleHandleA(nullptr);
        ASSERT_TRUE(LoadToolbarLayout(instance, IDR_TEST_FRAME, layout));
        images.Reset(ImageList_LoadImageA(instance, MAKEINTRESOURCEA(IDR_TEST_FRAME), 16, 0,
                                          RGB(192, 192, 192), IMAGE_BITMAP, LR_CREATEDIBSECTION));
        ASSERT_TRUE(images);
        ASSERT_TRUE(menu.Load(instance, IDR_TEST_FRAME, images.Get(), layout));
        ASSERT_TRUE(menu.LoadPopup(instance, IDR_TEST_POPUP));
        popup = menu.Popup(IDR_TEST_POPUP);
        ASSERT_NE(popup, nullptr);
    }

    int PixelsOf(int position, COLORREF colour, UINT state = 0) {
        return ImagePixelsOf(menu, popup, position, colour, state);
    }

    ToolbarLayout layout;
    ScopedImageList images;
    IconMenu menu;
    HMENU popup = nullptr;
};

TEST_F(IconMenuPopupTest, ItemsKeepTheirTextsAndShowTheirButtonsImages) {
    EXPECT_EQ(GetMenuItemCount(popup), 4);
    EXPECT_EQ(menu.ItemText(popup, 0), "&Green\tCtrl+G");
    EXPECT_EQ(menu.ItemText(popup, 3), "&Unhandled");
    EXPECT_EQ(GetMenuItemID(popup, 2), static_cast<UINT>(ID_TEST_YELLOW));

    // Each image is a 10 x 10 square of its colour.
    EXPECT_EQ(PixelsOf(0, RGB(0, 255, 0)), 100);
    EXPECT_EQ(PixelsOf(2, RGB(255, 255, 0)), 100);
    EXPECT_EQ(PixelsOf(2, RGB(0, 255, 0)), 0);
    EXPECT_EQ(PixelsOf(3, RGB(255, 255, 0)), 0);  // no button, no image
    // A disabled command's image is drawn greyed, without its colour.
    EXPECT_EQ(PixelsOf(0, RGB(0, 255, 0), ODS_GRAYED), 0);

    LRESULT result = 0;
    ASSERT_TRUE(menu.OnMenuChar('Y', popup, result));
    EXPECT_EQ(result, MAKELRESULT(2, MNC_EXECUTE));
    // The menu bar is still drawn by the same object.
    MEASUREITEMSTRUCT unknown{ODT_MENU, 0, ID_TEST_RED, 0, 0, 12345};
    EXPECT_FALSE(menu.OnMeasureItem(unknown));
}

TEST_F(IconMenuPopupTest, OnlyLoadedPopupsAreShown) {
    EXPECT_EQ(menu.Popup(999), nullptr);
    EXPECT_FALSE(menu.TrackPopup(999, nullptr, {0, 0}));
    EXPECT_FALSE(menu.LoadPopup(GetModuleHandleA(nullptr), 999));
}

}  // namespace
