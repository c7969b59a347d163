#include <gtest/gtest.h>

#include "stringedit/ModuleImage.h"

namespace {

void Put(std::vector<uint8_t>& file, size_t at, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        file[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

// A minimal image: DOS header, PE header at 0x80, no optional header, two sections.
std::vector<uint8_t> SmallImage() {
    std::vector<uint8_t> file(0x400, 0);
    file[0] = 'M', file[1] = 'Z';
    Put(file, 0x3C, 0x80, 4);
    Put(file, 0x80, 0x00004550, 4);
    Put(file, 0x86, 2, 2);  // sections
    Put(file, 0x94, 0, 2);  // optional header size
    Put(file, 0x98 + 16, 0x100, 4), Put(file, 0x98 + 20, 0x200, 4);
    Put(file, 0xC0 + 16, 0x100, 4), Put(file, 0xC0 + 20, 0x300, 4);
    return file;
}

TEST(ModuleImage, AcceptsAWholeImage) {
    EXPECT_TRUE(IsWholeModuleImage(SmallImage()));
}

TEST(ModuleImage, RefusesCutOffAndForeignFiles) {
    std::vector<uint8_t> file = SmallImage();
    file.resize(0x3FF);  // the last section loses its last byte
    EXPECT_FALSE(IsWholeModuleImage(file));
    file.resize(0xC0);  // the section table is cut
    EXPECT_FALSE(IsWholeModuleImage(file));
    EXPECT_FALSE(IsWholeModuleImage({}));
    EXPECT_FALSE(IsWholeModuleImage(std::vector<uint8_t>(63, 'M')));

    file = SmallImage();
    file[0] = 'X';
    EXPECT_FALSE(IsWholeModuleImage(file));
    file = SmallImage();
    Put(file, 0x80, 0x00004551, 4);
    EXPECT_FALSE(IsWholeModuleImage(file));
}

TEST(ModuleImage, RefusesHeadersPointingOutside) {
    std::vector<uint8_t> file = SmallImage();
    Put(file, 0x3C, 0xFFFFFFF0, 4);
    EXPECT_FALSE(IsWholeModuleImage(file));
    file = SmallImage();
    Put(file, 0x86, 0xFFFF, 2);
    EXPECT_FALSE(IsWholeModuleImage(file));
    file = SmallImage();
    Put(file, 0xC0 + 20, 0xFFFFFF00, 4);  // offset plus size beyond 32 bits
    EXPECT_FALSE(IsWholeModuleImage(file));
    file = SmallImage();
    Put(file, 0xC0 + 16, 0, 4);  // an empty section may point anywhere
    Put(file, 0xC0 + 20, 0xFFFFFF00, 4);
    EXPECT_TRUE(IsWholeModuleImage(file));
}

}  // namespace
