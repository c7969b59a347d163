#include "shellmenu/win32/MenuBitmap.h"

#include "shellmenu/win32/ScopedOwners.h"

namespace {

const RGBQUAD kBackground = {192, 192, 192, 0};

bool SameColour(const RGBQUAD& a, const RGBQUAD& b) {
    return a.rgbRed == b.rgbRed && a.rgbGreen == b.rgbGreen && a.rgbBlue == b.rgbBlue;
}

}  // namespace

HBITMAP LoadMenuBitmap(HINSTANCE module, int id) {
    auto bitmap = static_cast<HBITMAP>(
        LoadImageA(module, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!bitmap) {
        return nullptr;
    }
    // The bitmap has a colour table: change the background's entry.
    ScopedMemoryDc dc(bitmap);
    RGBQUAD colours[256];
    const UINT count = dc.Get() ? GetDIBColorTable(dc.Get(), 0, 256, colours) : 0;
    const COLORREF menu = GetSysColor(COLOR_MENU);
    for (UINT i = 0; i < count; ++i) {
        if (SameColour(colours[i], kBackground)) {
            colours[i] = {GetBValue(menu), GetGValue(menu), GetRValue(menu), 0};
        }
    }
    if (count > 0) {
        SetDIBColorTable(dc.Get(), 0, count, colours);
    }
    return bitmap;
}
