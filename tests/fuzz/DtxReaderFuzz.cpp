// The texture reader on hostile files, from memory and from disk, and the thumbnail placement
// and scaling of whatever it decodes.
#include "FuzzScratch.h"
#include "thumbs/FittedImage.h"
#include "thumbs/GlintraDoc.h"
#include "thumbs/InfoTip.h"
#include "thumbs/TextureLoader.h"
#include "thumbs/ThumbnailGeometry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size);
    MemoryReader reader(bytes);
    CGlintraDoc texture;
    fuzz::Expect(texture.Serialize(reader, static_cast<std::uint32_t>(size)),
                 "reading from memory never fails");
    InfoTipText(texture);

    if (texture.HasPixels()) {
        const int width = texture.Width(), height = texture.Height();
        fuzz::Expect(width > 0 && height > 0, "decoded pixels have a positive size");
        fuzz::Expect(texture.PixelRows().size() == texture.RowStride() * std::size_t(height),
                     "pixel rows cover the image");
        for (int target : {1, 16, 96, 256}) {
            const ThumbnailRect rect = PlaceThumbnail(width, height, target, target);
            fuzz::Expect(rect.x >= 0 && rect.y >= 0 && rect.x + rect.width <= target &&
                             rect.y + rect.height <= target,
                         "the thumbnail lies inside its target");
        }
        const RgbImage image = FittedImage(texture, 64);
        fuzz::Expect(
            image.width >= 1 && image.width <= 64 && image.height >= 1 && image.height <= 64,
            "a fitted image fits");
        fuzz::Expect(image.rgb.size() == std::size_t(image.width) * image.height * 3,
                     "a fitted image holds its pixels");
    }

    // The same bytes through the buffered file reader give the same document.
    const std::string path = fuzz::WriteInput(fuzz::FreshScratch() / "input.dtx", data, size);
    CGlintraDoc fromFile;
    fuzz::Expect(LoadTextureFile(fromFile, path), "a readable file loads");
    fuzz::Expect(fromFile.HasPixels() == texture.HasPixels() &&
                     fromFile.PixelRows() == texture.PixelRows() &&
                     fromFile.AlphaBlock() == texture.AlphaBlock() &&
                     fromFile.BitmapInfo() == texture.BitmapInfo(),
                 "file and memory reads agree");
    return 0;
}
