#pragma once
// An icon menu's item measured and drawn into a bitmap of its size, the way a menu window
// asks for it; what is counted is the pixels of one colour in the image column.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/Scoped.h"
#include "platform/win32/ui/IconMenu.h"

inline int ImagePixelsOf(const IconMenu& menu, HMENU popup, int position, COLORREF colour,
                         UINT state = 0) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_DATA | MIIM_FTYPE | MIIM_ID;
    GetMenuItemInfoA(popup, position, TRUE, &info);
    EXPECT_TRUE(info.fType & MFT_OWNERDRAW) << position;
    MEASUREITEMSTRUCT measure{ODT_MENU, 0, info.wID, 0, 0, info.dwItemData};
    EXPECT_TRUE(menu.OnMeasureItem(measure));
    EXPECT_GT(measure.itemWidth, 60u);
    EXPECT_GE(measure.itemHeight, 18u);

    WindowDC screen(nullptr);
    const ScopedBitmap bitmap(
        CreateCompatibleBitmap(screen.Get(), measure.itemWidth, measure.itemHeight));
    const MemoryDC dc(CreateCompatibleDC(screen.Get()));
    SelectedObject selected(dc.Get(), bitmap.Get());
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_MENU;
    draw.itemID = measure.itemID;
    draw.itemState = state;
    draw.hDC = dc.Get();
    draw.rcItem = {0, 0, static_cast<LONG>(measure.itemWidth),
                   static_cast<LONG>(measure.itemHeight)};
    draw.itemData = measure.itemData;
    EXPECT_TRUE(menu.OnDrawItem(draw));
    int count = 0;
    for (int y = 0; y < draw.rcItem.bottom; ++y) {
        for (int x = 0; x < 24; ++x)
            count += GetPixel(dc.Get(), x, y) == colour;
    }
    return count;
}
