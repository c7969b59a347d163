#pragma once
// Raw archive bytes for the engine's tests, built by hand. Scratch folders, whole files and
// little-endian fields come from the support library; the names below keep the engine's tests
// (and those still to be merged) as they are.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "support/LittleEndian.h"
#include "support/ScratchFolder.h"
#include "support/TextBlockBytes.h"
#include "support/WholeFile.h"

namespace archive_test {

using ScratchDir = support::ScratchFolder;
using support::U32;

inline std::string ReadAll(const std::string& path) {
    return support::ReadWholeFile(path);
}

inline void WriteAll(const std::string& path, const std::string& bytes) {
    support::WriteWholeFile(path, bytes);
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

// The program's text block with the text after its first line break overwritten by tag, as
// another tool's archive may start (the reader looks at the first 8 bytes only).
inline std::string TextBlockWithTag(const std::string& tag) {
    std::string block = support::kArchiveTextBlock;
    block.replace(2, tag.size(), tag);
    return block;
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
