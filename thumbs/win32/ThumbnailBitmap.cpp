#include "thumbs/win32/ThumbnailBitmap.h"

#include "platform/win32/Scoped.h"
#include "thumbs/GlintraDoc.h"
#include "thumbs/ThumbnailGeometry.h"

namespace {

constexpr int kLargestThumbnail = 4096;

static_assert(sizeof(BITMAPINFOHEADER) == CGlintraDoc::kBitmapHeaderBytes);

}  // namespace

void DrawTexture(const CGlintraDoc& texture, HDC target) {
    if (!texture.HasPixels())
        return;
    const auto* info = reinterpret_cast<const BITMAPINFO*>(texture.BitmapInfo().data());
    const ScopedBitmap image(CreateDIBitmap(target, &info->bmiHeader, CBM_INIT,
                                            texture.PixelRows().data(), info, DIB_RGB_COLORS));
    if (!image)
        return;
    const MemoryDC source(CreateCompatibleDC(target));
    const SelectedObject selected(source.Get(), image.Get());
    SetStretchBltMode(target, HALFTONE);
    SetBrushOrgEx(target, 0, 0, nullptr);  // HALFTONE needs the brush origin reset
    int width = texture.Width();
    int height = texture.Height();
    ThumbnailRect rect =
        PlaceThumbnail(width, height, texture.DisplayWidth(), texture.DisplayHeight());
    if (rect.scaled) {
        StretchBlt(target, rect.x, rect.y, rect.width, rect.height, source.Get(), 0, 0, width,
                   height, SRCCOPY);
    } else {
        BitBlt(target, rect.x, rect.y, width, height, source.Get(), 0, 0, SRCCOPY);
    }
}

HBITMAP MakeThumbnail(CGlintraDoc& texture, int width, int height) {
    if (width <= 0 || height <= 0 || width > kLargestThumbnail || height > kLargestThumbnail)
        return nullptr;
    const MemoryDC memory(CreateCompatibleDC(nullptr));
    if (!memory)
        return nullptr;
    HBITMAP bitmap =
        CreateBitmap(width, height, static_cast<UINT>(GetDeviceCaps(memory.Get(), PLANES)),
                     static_cast<UINT>(GetDeviceCaps(memory.Get(), BITSPIXEL)), nullptr);
    if (bitmap) {
        // Selected only while drawing: the caller takes the bitmap.
        const SelectedObject selected(memory.Get(), bitmap);
        PatBlt(memory.Get(), 0, 0, width, height, WHITENESS);
        texture.SetDisplaySize(width, height);
        DrawTexture(texture, memory.Get());
    }
    return bitmap;
}
