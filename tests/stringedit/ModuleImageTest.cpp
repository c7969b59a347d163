#include <gtest/gtest.h>

#include <filesystem>

#include "stringedit/ModuleImage.h"

#include "support/AddressSpace.h"
#include "support/LittleEndian.h"
#include "support/ScratchFolder.h"

namespace {

using support::PutLittleEndian;

// A minimal image: DOS header, PE header at 0x80, no optional header, two sections.
std::vector<uint8_t> SmallImage() {
    std::vector<uint8_t> file(0x400, 0);
    file[0] = 'M', file[1] = 'Z';
    PutLittleEndian(file, 0x3C, 0x80, 4);
    PutLittleEndian(file, 0x80, 0x00004550, 4);
    PutLittleEndian(file, 0x86, 2, 2);  // sections
    PutLittleEndian(file, 0x94, 0, 2);  // optional header size
    PutLittleEndian(file, 0x98 + 16, 0x100, 4), PutLittleEndian(file, 0x98 + 20, 0x200, 4);
    PutLittleEndian(file, 0xC0 + 16, 0x100, 4), PutLittleEndian(file, 0xC0 + 20, 0x300, 4);
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
    PutLittleEndian(file, 0x80, 0x00004551, 4);
    EXPECT_FALSE(IsWholeModuleImage(file));
}

TEST(ModuleImage, RefusesHeadersPointingOutside) {
    std::vector<uint8_t> file = SmallImage();
    PutLittleEndian(file, 0x3C, 0xFFFFFFF0, 4);
    EXPECT_FALSE(IsWholeModuleImage(file));
    file = SmallImage();
    PutLittleEndian(file, 0x86, 0xFFFF, 2);
    EXPECT_FALSE(IsWholeModuleImage(file));
    file = SmallImage();
    PutLittleEndian(file, 0xC0 + 20, 0xFFFFFF00, 4);  // offset plus size beyond 32 bits
    EXPECT_FALSE(IsWholeModuleImage(file));
    file = SmallImage();
    PutLittleEndian(file, 0xC0 + 16, 0, 4);  // an empty section may point anywhere
    PutLittleEndian(file, 0xC0 + 20, 0xFFFFFF00, 4);
    EXPECT_TRUE(IsWholeModuleImage(file));
}

// A file of its own for one test, removed afterwards.
struct ModuleFile {
    support::ScratchFolder folder{"module"};
    std::filesystem::path path;
    explicit ModuleFile(const std::vector<uint8_t>& bytes)
        : path(folder.Write("module.dll", bytes)) {}
};

TEST(ModuleImage, AFileIsJudgedAsItsBytesAre) {
    EXPECT_TRUE(IsWholeModuleFile(ModuleFile(SmallImage()).path.string()));
    std::vector<uint8_t> cut = SmallImage();
    cut.resize(0x3FF);
    EXPECT_FALSE(IsWholeModuleFile(ModuleFile(cut).path.string()));
    std::vector<uint8_t> foreign = SmallImage();
    PutLittleEndian(foreign, 0x80, 0x00004551, 4);
    EXPECT_FALSE(IsWholeModuleFile(ModuleFile(foreign).path.string()));
    EXPECT_FALSE(IsWholeModuleFile(ModuleFile({}).path.string()));
    EXPECT_FALSE(IsWholeModuleFile("/no/such/module.dll"));
}

#if !defined(_WIN32) && !defined(__SANITIZE_ADDRESS__)
// In a child process: leaves far less address space than the file's size, and ends with 0
// when the file is judged a whole image.
[[noreturn]] void JudgeWithLittleMemory(const std::string& path) {
    LimitAddressSpace(256u << 20);
    std::_Exit(IsWholeModuleFile(path) ? 0 : 1);
}

TEST(ModuleImage, AModuleLargerThanTheMemoryLeftIsJudgedByItsHeadersAlone) {
    // 1 GiB (sparse), its last section ending at the very end.
    const uint64_t size = 1ull << 30;
    std::vector<uint8_t> image = SmallImage();
    PutLittleEndian(image, 0xC0 + 16, static_cast<uint32_t>(size - 0x300), 4);
    ModuleFile file(image);
    std::filesystem::resize_file(file.path, size);
    GTEST_FLAG_SET(death_test_style, "fast");
    EXPECT_EXIT(JudgeWithLittleMemory(file.path.string()), ::testing::ExitedWithCode(0), "");
}
#endif

}  // namespace
