#include "thumbs/ThumbnailGeometry.h"

#include <cstdint>

ThumbnailRect PlaceThumbnail(int textureWidth, int textureHeight, int targetWidth,
                             int targetHeight) {
    ThumbnailRect rect;
    if (textureWidth <= targetWidth && textureHeight <= targetHeight) {
        rect.x = (targetWidth - textureWidth) / 2;
        rect.y = (targetHeight - textureHeight) / 2;
        rect.width = textureWidth;
        rect.height = textureHeight;
        return rect;
    }
    rect.scaled = true;
    // The side that overflows by more pixels is fitted.
    if (textureWidth - targetWidth > textureHeight - targetHeight) {
        rect.width = targetWidth;
        rect.height = static_cast<int>(int64_t{textureHeight} * targetWidth / textureWidth);
        rect.y = (targetHeight - rect.height) / 2;
    } else {
        rect.height = targetHeight;
        rect.width = static_cast<int>(int64_t{textureWidth} * targetHeight / textureHeight);
        rect.x = (targetWidth - rect.width) / 2;
    }
    return rect;
}
