#include "browser/win32/FileTypeImageLists.h"

#include <shellapi.h>

#include <cstring>

namespace {

constexpr COLORREF kBackground = RGB(255, 255, 255);
constexpr int kGrowth = 1000;

int PixelsOf(IconSize size) {
    return size == IconSize::Small ? 16 : 32;
}

HIMAGELIST CreateList(IconSize size) {
    HIMAGELIST list =
        ImageList_Create(PixelsOf(size), PixelsOf(size), ILC_COLORDDB | ILC_MASK, 1, kGrowth);
    ImageList_SetBkColor(list, kBackground);
    return list;
}

// One of the program's icons at the list's size (the system's icon size for the large list):
// each size is drawn apart in the icon file, which reads better than one image scaled down.
HICON ResourceIcon(const DefaultIcon& icon, IconSize size) {
    const int pixels = PixelsOf(size);
    return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(icon.number),
                                         IMAGE_ICON, pixels, pixels, 0));
}

HICON ShellLibraryIcon(int number, IconSize size) {
    HICON large = nullptr, small = nullptr;
    ExtractIconExA("shell32.dll", number, size == IconSize::Large ? &large : nullptr,
                   size == IconSize::Small ? &small : nullptr, 1);
    return size == IconSize::Small ? small : large;
}

HICON ShellFolderIcon(bool open, IconSize size) {
    SHFILEINFOA info{};
    const UINT flags = SHGFI_ICON | SHGFI_USEFILEATTRIBUTES | (open ? SHGFI_OPENICON : 0) |
                       (size == IconSize::Small ? SHGFI_SMALLICON : SHGFI_LARGEICON);
    SHGetFileInfoA("Folder", FILE_ATTRIBUTE_DIRECTORY, &info, sizeof(info), flags);
    return info.hIcon;
}

}  // namespace

void FileTypeImageLists::Clear() {
    small_.Reset(CreateList(IconSize::Small));
    large_.Reset(CreateList(IconSize::Large));
}

bool FileTypeImageLists::Append(IconSize size, HICON icon) {
    const ScopedIcon owned(icon);
    return owned && ImageList_ReplaceIcon(ListOf(size), -1, owned.Get()) >= 0;
}

bool FileTypeImageLists::AppendDefault(const DefaultIcon& icon, IconSize size) {
    switch (icon.origin) {
        case IconOrigin::ShellLibrary:
            return Append(size, ShellLibraryIcon(icon.number, size));
        case IconOrigin::ShellClosedFolder:
        case IconOrigin::ShellOpenFolder:
            return Append(size, ShellFolderIcon(icon.origin == IconOrigin::ShellOpenFolder, size));
        default:
            return Append(size, ResourceIcon(icon, size));
    }
}

bool FileTypeImageLists::AppendShellIcon(const std::string& fileName, IconSize size) {
    SHFILEINFOA info{};
    const UINT flags = SHGFI_ICON | SHGFI_USEFILEATTRIBUTES | SHGFI_TYPENAME | SHGFI_DISPLAYNAME |
                       (size == IconSize::Small ? SHGFI_SMALLICON : SHGFI_LARGEICON);
    if (!SHGetFileInfoA(fileName.c_str(), FILE_ATTRIBUTE_NORMAL, &info, sizeof(info), flags))
        return false;
    return Append(size, info.hIcon);
}

void FileTypeImageLists::AppendPlaceholder(IconSize size) {
    // A white square with a mask that shows nothing of it.
    const int pixels = PixelsOf(size);
    WindowDC screen(nullptr);
    ScopedBitmap image(CreateCompatibleBitmap(screen.Get(), pixels, pixels));
    ScopedBitmap mask(CreateBitmap(pixels, pixels, 1, 1, nullptr));
    {
        MemoryDC dc(CreateCompatibleDC(screen.Get()));
        {
            SelectedObject selected(dc.Get(), image.Get());
            RECT all = {0, 0, pixels, pixels};
            FillRect(dc.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        }
        SelectedObject selected(dc.Get(), mask.Get());
        PatBlt(dc.Get(), 0, 0, pixels, pixels, WHITENESS);
    }
    ImageList_Add(ListOf(size), image.Get(), mask.Get());
}

void FileTypeImageLists::SetLargePicture(int index, const IconPicture& picture) {
    const int pixels = PixelsOf(IconSize::Large);
    if (picture.size != pixels)
        return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = pixels;
    info.bmiHeader.biHeight = -pixels;  // rows from the top, as the picture's
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    ScopedBitmap image(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!image)
        return;
    // 0x00RRGGBB in memory order is blue, green, red, 0: the section's own pixel layout.
    std::memcpy(bits, picture.pixels.data(), picture.pixels.size() * sizeof(picture.pixels[0]));
    ScopedBitmap mask(CreateBitmap(pixels, pixels, 1, 1, nullptr));
    {
        WindowDC screen(nullptr);
        MemoryDC dc(CreateCompatibleDC(screen.Get()));
        SelectedObject selected(dc.Get(), mask.Get());
        PatBlt(dc.Get(), 0, 0, pixels, pixels, BLACKNESS);  // black: every pixel shown
    }
    ImageList_Replace(Large(), index, image.Get(), mask.Get());
}
