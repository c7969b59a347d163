#include "PngWriter.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "thumbs/PngEncoder.h"

bool WritePng(const std::string& path, const RgbImage& image, std::string& error) {
    const std::vector<uint8_t> png = EncodePng({image.width, image.height, 3, image.rgb});
    if (png.empty()) {
        error = "empty image";
        return false;
    }
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        error = std::strerror(errno);
        return false;
    }
    const bool written = std::fwrite(png.data(), 1, png.size(), file) == png.size();
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        error = std::strerror(errno);
        std::remove(path.c_str());
        return false;
    }
    return true;
}
