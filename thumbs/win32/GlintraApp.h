#pragma once
// The module object of Glintra.dll: the one texture document all extractor objects share.
#include <windows.h>

#include <string>

#include "thumbs/TextureLoader.h"

class CGlintraApp {
  public:
    CGlintraApp();

    // Loads path and returns its thumbnail of width x height, owned by the caller: white where
    // the texture does not cover it, all white when the file could not be loaded. Null before
    // any texture document exists.
    HBITMAP ExtractThumbnail(const std::string& path, int width, int height);

    // Loads path and gives its info-tip text; false when it could not be loaded.
    bool InfoTip(const std::string& path, std::string& text);

  private:
    SharedTexture texture_;
};

// Created on first use; lives until the module is unloaded.
CGlintraApp& GlintraApp();
