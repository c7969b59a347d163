#include "thumbs/win32/ThumbnailBitmap.h"

#include "thumbs/GlintraDoc.h"
#include "thumbs/ThumbnailGeometry.h"

namespace {

constexpr int kLargestThumbnail = 4096;

static_assert(sizeof(BITMAPINFOHEADER) == CGlintraDoc::kBitmapHeaderBytes);

}  // namespace

void DrawTexture(const CGlintraDoc& texture, HDC target) {
    if (!texture.HasPixels()) {
        return;
    }
    const auto* info = reinterpret_cast<const BITMAPINFO*>(texture.BitmapInfo().data());
    HBITMAP image = CreateDIBitmap(target, &info->bmiHeader, CBM_INIT, texture.PixelRows().data(),
                                   info, DIB_RGB_COLORS);
    if (!image) {
        return;
    }
    HDC source = CreateCompatibleDC(target);
    HGDIOBJ previous = SelectObject(source, image);
    SetStretchBltMode(target, HALFTONE);
    SetBrushOrgEx(target, 0, 0, nullptr);  // HALFTONE needs the brush origin reset
    int width = texture.Width();
    int height = texture.Height();
    ThumbnailRect rect =
        PlaceThumbnail(width, height, texture.DisplayWidth(), texture.DisplayHeight());
    if (rect.scaled) {
        StretchBlt(target, rect.x, rect.y, rect.width, rect.height, source, 0, 0, width, height,
                   SRCCOPY);
    } else {
        BitBlt(target, rect.x, rect.y, width, height, source, 0, 0, SRCCOPY);
    }
    SelectObject(source, previous);
    DeleteDC(source);
    DeleteObject(image);
}

HBITMAP MakeThumbnail(CGlintraDoc& texture, int width, int height) {
    if (width <= 0 || height <= 0 || width > kLargestThumbnail || height > kLargestThumbnail) {
        return nullptr;
    }
    HDC memory = CreateCompatibleDC(nullptr);
    if (!memory) {
        return nullptr;
    }
    HBITMAP bitmap = CreateBitmap(width, height, static_cast<UINT>(GetDeviceCaps(memory, PLANES)),
                                  static_cast<UINT>(GetDeviceCaps(memory, BITSPIXEL)), nullptr);
    if (bitmap) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        PatBlt(memory, 0, 0, width, height, WHITENESS);
        texture.SetDisplaySize(width, height);
        DrawTexture(texture, memory);
        SelectObject(memory, previous);
    }
    DeleteDC(memory);
    return bitmap;
}
