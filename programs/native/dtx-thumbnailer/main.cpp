// dtx-thumbnailer: thumbnails and info tips of LithTech .dtx textures for Linux desktops.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "PngWriter.h"
#include "thumbs/FittedImage.h"
#include "thumbs/InfoTip.h"
#include "thumbs/TextureLoader.h"

namespace {

constexpr int kDefaultSize = 128;
constexpr int kLargestSize = 4096;

int Usage() {
    std::fprintf(stderr,
                 "usage: dtx-thumbnailer [-s SIZE] INPUT OUTPUT.png\n"
                 "       dtx-thumbnailer --info INPUT\n");
    return 2;
}

// A size from 1 to kLargestSize, or 0 when text is not one.
int ParseSize(const std::string& text) {
    char* end = nullptr;
    long size = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || size < 1 || size > kLargestSize)
        return 0;
    return static_cast<int>(size);
}

bool Load(CGlintraDoc& texture, const std::string& path) {
    if (!LoadTextureFile(texture, path)) {
        std::fprintf(stderr, "dtx-thumbnailer: cannot read %s\n", path.c_str());
        return false;
    }
    return true;
}

int PrintInfo(const std::string& input) {
    CGlintraDoc texture;
    if (!Load(texture, input))
        return 1;
    std::printf("%s\n", InfoTipText(texture).c_str());
    return 0;
}

int MakeThumbnail(const std::string& input, const std::string& output, int size) {
    CGlintraDoc texture;
    if (!Load(texture, input))
        return 1;
    RgbImage image = FittedImage(texture, size);
    if (image.rgb.empty()) {
        std::fprintf(stderr, "dtx-thumbnailer: %s holds no image that can be shown\n",
                     input.c_str());
        return 1;
    }
    std::string error;
    if (!WritePng(output, image, error)) {
        std::fprintf(stderr, "dtx-thumbnailer: cannot write %s: %s\n", output.c_str(),
                     error.c_str());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--info")
        return PrintInfo(argv[2]);
    int size = kDefaultSize;
    int first = 1;
    if (argc > 2 && std::string(argv[1]) == "-s") {
        size = ParseSize(argv[2]);
        first = 3;
    }
    if (size == 0 || argc - first != 2)
        return Usage();
    return MakeThumbnail(argv[first], argv[first + 1], size);
}
