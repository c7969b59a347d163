#include "PngWriter.h"

#include <png.h>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// Runs libpng over an open file; false when libpng gave up.
bool Encode(std::FILE* file, const RgbImage& image) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png) {
        return false;
    }
    png_infop info = png_create_info_struct(png);
    // Rows are prepared before setjmp so that nothing needing destruction lives past a longjmp.
    std::vector<png_bytep> rows(static_cast<size_t>(image.height));
    for (int y = 0; y < image.height; ++y) {
        rows[y] = const_cast<png_bytep>(&image.rgb[static_cast<size_t>(y) * image.width * 3]);
    }
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, info ? &info : nullptr);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width),
                 static_cast<png_uint_32>(image.height), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

bool WritePng(const std::string& path, const RgbImage& image, std::string& error) {
    if (image.width <= 0 || image.height <= 0) {
        error = "empty image";
        return false;
    }
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        error = std::strerror(errno);
        return false;
    }
    bool encoded = Encode(file, image);
    bool closed = std::fclose(file) == 0;
    if (!encoded || !closed) {
        error = encoded ? std::strerror(errno) : "PNG encoding failed";
        std::remove(path.c_str());
        return false;
    }
    return true;
}
