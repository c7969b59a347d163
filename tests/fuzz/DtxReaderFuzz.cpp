// The texture reader on hostile files, from memory and from disk, and the thumbnail placement
// and scaling of whatever it decodes.
#include "FuzzScratch.h"
#include "thumbs/FittedImage.h"
#include "thumbs/GlintraDoc.h"
#include "thumbs/InfoTip.h"
#include "thumbs/TextureLoader.h"
#include "thumbs/ThumbnailGeometry.h"

namespace {

// FNV-1a over the decoded buffers.
std::uint64_t Digest(const CGlintraDoc& texture) {
    std::uint64_t hash = 1469598103934665603ull;
    for (const std::vector<std::uint8_t>* bytes :
         {&texture.PixelRows(), &texture.AlphaBlock(), &texture.BitmapInfo()}) {
        for (std::uint8_t byte : *bytes)
            hash = (hash ^ byte) * 1099511628211ull;
        hash = (hash ^ bytes->size()) * 1099511628211ull;
    }
    return hash;
}

// Up to the reader's cap every size is decoded; the checks below, which visit every pixel
// once more (and a second copy of them), stop at a size that keeps the run fast.
constexpr std::uint64_t kLargest = 1u << 20;

}  // namespace

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
        if (std::uint64_t(width) * std::uint64_t(height) > kLargest)
            return 0;
        const RgbImage image = FittedImage(texture, 64);
        fuzz::Expect(
            image.width >= 1 && image.width <= 64 && image.height >= 1 && image.height <= 64,
            "a fitted image fits");
        fuzz::Expect(image.rgb.size() == std::size_t(image.width) * image.height * 3,
                     "a fitted image holds its pixels");
    }
    const bool hadPixels = texture.HasPixels();
    const std::uint64_t digest = Digest(texture);

    // The same bytes through the buffered file reader give the same document.
    const std::string path = fuzz::WriteInput(fuzz::FreshScratch() / "input.dtx", data, size);
    CGlintraDoc fromFile;
    fuzz::Expect(LoadTextureFile(fromFile, path), "a readable file loads");
    fuzz::Expect(fromFile.HasPixels() == hadPixels && Digest(fromFile) == digest,
                 "file and memory reads agree");
    return 0;
}
