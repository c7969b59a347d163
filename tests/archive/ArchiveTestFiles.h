#pragma once
// Raw archive bytes for the engine's tests, built by hand. Scratch folders, whole files and
// little-endian fields come from the support library; the names below keep the engine's tests
// (and those still to be merged) as they are.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

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

// typeField: the 4 bytes as stored (reversed code). Other writers may follow the base name
// with a description and key values; this program's records carry neither.
inline std::string EntryRecordBytes(std::uint32_t position, std::uint32_t size, std::uint32_t time,
                                    std::uint32_t id, const std::string& typeField,
                                    const std::string& baseName,
                                    const std::string& description = "",
                                    const std::vector<std::uint32_t>& keys = {}) {
    std::string keyBytes;
    for (const std::uint32_t key : keys)
        keyBytes += U32(key);
    return U32(0) + U32(position) + U32(size) + U32(time) + U32(id) + typeField +
           U32(static_cast<std::uint32_t>(keys.size())) + baseName + '\0' + description + '\0' +
           keyBytes;
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
                               std::uint32_t largestEntryName, std::uint32_t largestKeyCount = 0,
                               std::uint32_t largestDescription = 0) {
    return U32(1) + U32(rootPosition) + U32(rootSize) + U32(0) + U32(dataEnd) + U32(0) +
           U32(largestKeyCount) + U32(largestFolderName) + U32(largestEntryName) +
           U32(largestDescription) + '\x01';
}

// An archive made of the text block, a header whose root block is at rootPosition and size,
// and body from offset 168 on.
inline std::string RawArchive(std::uint32_t rootPosition, std::uint32_t rootSize,
                              const std::string& body, const std::string& tag = "Tarvex") {
    return TextBlockWithTag(tag) + HeaderBytes(rootPosition, rootSize, 168, 8, 8) + body;
}

// An archive as another writer makes it, whose entries carry descriptions and key values,
// laid out as this program's saver writes (so a save gives the same bytes back). Root > MAPS;
// the root holds TEX.DTX ("texture!", a description and two keys), FOUR.ABCD ("4444", one key
// alone: no 0 byte ends its type field) and PLAIN.DAT ("p", neither); MAPS holds LEVEL.DAT
// ("level", a description alone). The header holds the largest key count and description.
inline std::string ArchiveWithKeysAndDescriptions() {
    const std::string data = "texture!4444plevel";  // at 168, 176, 180 and 181
    const std::uint32_t mapsAt = 168 + data.size();
    const std::string mapsBlock =
        EntryRecordBytes(181, 5, 40, 4, TypeField("TAD"), "LEVEL", "first level");
    const std::uint32_t rootAt = mapsAt + 2 * mapsBlock.size();
    const std::string rootBlock =
        FolderRecordBytes(mapsAt, mapsBlock.size(), 50, "MAPS") +
        EntryRecordBytes(168, 8, 10, 1, TypeField("XTD"), "TEX", "wall texture", {7, 0xDEADBEEF}) +
        EntryRecordBytes(176, 4, 20, 2, "DCBA", "FOUR", "", {0x01020304}) +
        EntryRecordBytes(180, 1, 30, 3, TypeField("TAD"), "PLAIN");
    return support::kArchiveTextBlock + HeaderBytes(rootAt, rootBlock.size(), mapsAt, 4, 9, 2, 12) +
           data + mapsBlock + Zeros(mapsBlock.size()) + rootBlock;
}

}  // namespace archive_test
