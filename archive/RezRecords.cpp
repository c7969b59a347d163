#include "archive/RezRecords.h"

#include <algorithm>
#include <cstring>

#include "platform/TextCase.h"

namespace {

const char* const kCreatorTags[] = {"\r\nTarvex", "\r\nZovUru", "\r\nRezMgr"};
constexpr std::size_t kTagLength = 8;
constexpr std::uint32_t kEntryFixedSize = 28;   // record type and six words
constexpr std::uint32_t kFolderFixedSize = 16;  // record type and three words

std::uint32_t LoadU32(const unsigned char* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

void StoreU32(unsigned char* p, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<unsigned char>(value >> (8 * i));
}

void AppendU32(std::string& out, std::uint32_t value) {
    unsigned char bytes[4];
    StoreU32(bytes, value);
    out.append(reinterpret_cast<const char*>(bytes), 4);
}

// The type code field: the code reversed and filled up with 0 bytes, or four 0 bytes.
void AppendTypeField(std::string& out, const std::string& typeCode) {
    char field[4] = {};
    if (typeCode.size() >= 1 && typeCode.size() <= 4) {
        const std::string upper = UpperCase(typeCode);
        std::reverse_copy(upper.begin(), upper.end(), field);
    }
    out.append(field, 4);
}

}  // namespace

bool HasCreatorTag(const char* textBlock) {
    return std::any_of(std::begin(kCreatorTags), std::end(kCreatorTags), [&](const char* tag) {
        return std::memcmp(textBlock, tag, kTagLength) == 0;
    });
}

// The header's words in file order; the sorted flag follows them as one byte.
constexpr std::uint32_t RezHeader::*kHeaderWords[] = {
    &RezHeader::version,           &RezHeader::rootDirectoryPosition,
    &RezHeader::rootDirectorySize, &RezHeader::rootDirectoryTime,
    &RezHeader::dataEnd,           &RezHeader::timeStamp,
    &RezHeader::largestKeyCount,   &RezHeader::largestFolderName,
    &RezHeader::largestEntryName,  &RezHeader::largestDescription};

RezHeader DecodeHeader(const unsigned char* bytes) {
    RezHeader header;
    for (auto word : kHeaderWords) {
        header.*word = LoadU32(bytes);
        bytes += 4;
    }
    header.sortedFlag = bytes[0];
    return header;
}

void EncodeHeader(const RezHeader& header, unsigned char* bytes) {
    for (auto word : kHeaderWords) {
        StoreU32(bytes, header.*word);
        bytes += 4;
    }
    bytes[0] = static_cast<unsigned char>(header.sortedFlag);
}

bool RecordCursor::ReadBytes(char* out, std::size_t count) {
    if (size_ - at_ < count)
        return false;
    std::memcpy(out, data_ + at_, count);
    at_ += count;
    return true;
}

bool RecordCursor::ReadU32(std::uint32_t& value) {
    unsigned char bytes[4];
    if (!ReadBytes(reinterpret_cast<char*>(bytes), 4))
        return false;
    value = LoadU32(bytes);
    return true;
}

bool RecordCursor::ReadString(std::string& value) {
    const void* end = std::memchr(data_ + at_, 0, size_ - at_);
    if (!end)
        return false;
    const std::size_t length = static_cast<const char*>(end) - (data_ + at_);
    value.assign(data_ + at_, length);
    at_ += length + 1;
    return true;
}

bool ReadFolderRecord(RecordCursor& cursor, FolderRecord& record) {
    return cursor.ReadU32(record.directoryPosition) && cursor.ReadU32(record.directorySize) &&
           cursor.ReadU32(record.time) && cursor.ReadString(record.name);
}

bool ReadEntryRecord(RecordCursor& cursor, RezEntry& entry) {
    char typeField[4];
    std::uint32_t keyCount = 0;
    std::string baseName, description;
    if (!cursor.ReadU32(entry.dataPosition) || !cursor.ReadU32(entry.size) ||
        !cursor.ReadU32(entry.time) || !cursor.ReadU32(entry.identifier) ||
        !cursor.ReadBytes(typeField, 4) || !cursor.ReadU32(keyCount) ||
        !cursor.ReadString(baseName) || !cursor.ReadString(description)) {
        return false;
    }
    const std::size_t codeLength = std::find(typeField, typeField + 4, '\0') - typeField;
    entry.typeCode.assign(std::make_reverse_iterator(typeField + codeLength),
                          std::make_reverse_iterator(typeField));
    entry.name = entry.typeCode.empty() ? baseName : baseName + "." + entry.typeCode;
    return true;
}

void AppendFolderRecord(std::string& block, const FolderRecord& record) {
    AppendU32(block, 1);
    AppendU32(block, record.directoryPosition);
    AppendU32(block, record.directorySize);
    AppendU32(block, record.time);
    block.append(record.name);
    block.push_back('\0');
}

void AppendEntryRecord(std::string& block, const RezEntry& entry, std::uint32_t dataPosition,
                       const std::string& name) {
    AppendU32(block, 0);
    AppendU32(block, dataPosition);
    AppendU32(block, entry.size);
    AppendU32(block, entry.time);
    AppendU32(block, entry.identifier);
    // The type field holds what the base name leaves out, so the name reads back as written
    // even after a rename or for a name such as ".dat".
    const std::string baseName = BaseNameOf(name);
    AppendTypeField(
        block, baseName.size() < name.size() ? name.substr(baseName.size() + 1) : std::string());
    AppendU32(block, 0);  // no key values follow
    block.append(baseName);
    block.append(2, '\0');  // terminator and the empty description
}

std::uint32_t FolderRecordSize(const std::string& name) {
    return kFolderFixedSize + static_cast<std::uint32_t>(name.size()) + 1;
}

std::uint32_t EntryRecordSize(const std::string& name) {
    return kEntryFixedSize + static_cast<std::uint32_t>(BaseNameOf(name).size()) + 2;
}

std::string BaseNameOf(const std::string& name) {
    const size_t dot = name.rfind('.');
    // A trailing dot goes too (FILE. is stored as FILE), as Windows drops it from file names.
    if (dot == std::string::npos || dot == 0 || name.size() - dot - 1 > 4)
        return name;
    return name.substr(0, dot);
}
