#pragma once
// Scratch folders, whole-file reads and writes, and raw archive bytes for the engine's tests.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace archive_test {

// A fresh folder under the system's temporary folder, removed with everything in it.
class ScratchDir {
  public:
    ScratchDir() {
        static std::atomic<int> counter{0};
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::filesystem::temp_directory_path() /
               ("tarvex-" + std::string(info ? info->name() : "test") + "-" +
                std::to_string(counter++));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    ~ScratchDir() {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    std::string Root() const { return dir_.string(); }
    // Names of every file in the folder.
    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        for (const auto& item : std::filesystem::directory_iterator(dir_)) {
            names.push_back(item.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

  private:
    std::filesystem::path dir_;
};

inline std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteAll(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Little-endian byte building, independent of the engine's own encoder.
inline std::string U32(std::uint32_t value) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>(value >> (8 * i));
    return bytes;
}

inline std::string Zeros(std::size_t count) {
    return std::string(count, '\0');
}

inline std::string FolderRecordBytes(std::uint32_t position, std::uint32_t size, std::uint32_t time,
                                     const std::string& name) {
    return U32(1) + U32(position) + U32(size) + U32(time) + name + '\0';
}

// A type field as stored: the reversed code given as it is stored, filled up with 0 bytes.
inline std::string TypeField(const std::string& stored) {
    std::string field = stored;
    field.resize(4, '\0');
    return field;
}

// typeField: the 4 bytes as stored (reversed code).
inline std::string EntryRecordBytes(std::uint32_t position, std::uint32_t size, std::uint32_t time,
                                    std::uint32_t id, const std::string& typeField,
                                    const std::string& baseName) {
    return U32(0) + U32(position) + U32(size) + U32(time) + U32(id) + typeField + U32(0) +
           baseName + '\0' + '\0';
}

// The 127-byte text block with the given 6-byte creator tag and the rest as the writer puts it.
inline std::string TextBlockWithTag(const std::string& tag) {
    std::string block = "\r\n" + tag;
    block.resize(62, ' ');
    block += "\r\n";
    std::string second = "LithTech Resource File";
    second.resize(60, ' ');
    return block + second + "\r\n\x1a";
}

// Header bytes (41) from its fields in file order.
inline std::string HeaderBytes(std::uint32_t rootPosition, std::uint32_t rootSize,
                               std::uint32_t dataEnd, std::uint32_t largestFolderName,
                               std::uint32_t largestEntryName) {
    return U32(1) + U32(rootPosition) + U32(rootSize) + U32(0) + U32(dataEnd) + U32(0) + U32(0) +
           U32(largestFolderName) + U32(largestEntryName) + U32(0) + '\x01';
}

// An archive made of the text block, a header whose root block is at rootPosition and size,
// and body from offset 168 on.
inline std::string RawArchive(std::uint32_t rootPosition, std::uint32_t rootSize,
                              const std::string& body, const std::string& tag = "Tarvex") {
    return TextBlockWithTag(tag) + HeaderBytes(rootPosition, rootSize, 168, 8, 8) + body;
}

}  // namespace archive_test
