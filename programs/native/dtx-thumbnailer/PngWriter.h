#pragma once
// Writes an RGB image as an 8-bit PNG file.
#include <string>

#include "thumbs/FittedImage.h"

// False with a reason in error when the file cannot be written; nothing is left behind then.
bool WritePng(const std::string& path, const RgbImage& image, std::string& error);
