#pragma once
// Where a texture goes in a thumbnail: smaller ones centred at their own size, larger ones
// shrunk to fit with their proportions kept.

struct ThumbnailRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool scaled = false;  // false: copied pixel for pixel
};

// textureWidth x textureHeight drawn into a target of targetWidth x targetHeight; all positive.
ThumbnailRect PlaceThumbnail(int textureWidth, int textureHeight, int targetWidth,
                             int targetHeight);
