// String-table blocks and module images as read from hostile module files.
#include "FuzzScratch.h"
#include "stringedit/ModuleImage.h"
#include "stringedit/StringBlock.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size);
    IsWholeModuleImage(bytes);

    const StringBlock block = DecodeStringBlock(bytes);
    std::size_t units = 0;
    for (const std::u16string& text : block)
        units += text.size();
    fuzz::Expect(units * 2 <= size, "a block holds no more text than its bytes");
    std::vector<std::uint8_t> encoded;
    fuzz::Expect(EncodeStringBlock(block, encoded), "a decoded block encodes");
    fuzz::Expect(DecodeStringBlock(encoded) == block, "an encoded block decodes the same");
    return 0;
}
