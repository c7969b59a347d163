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
void AppendTypeField(std::string& out, std::string_view typeCode) {
    char field[4] = {};
    if (typeCode.size() >= 1 && typeCode.size() <= 4) {
        const std::string upper = UpperCase(std::string(typeCode));
        std::reverse_copy(upper.begin(), upper.end(), field);
    }
    out.append(field, 4);
}

// The key values that end an entry record.
bool ReadKeys(RecordCursor& cursor, std::uint32_t count, std::vector<std::uint32_t>& keys) {
    keys.clear();
    if (count > kMostKeys)
        return false;
    keys.resize(count);
    for (std::uint32_t& key : keys)
        if (!cursor.ReadU32(key))
            return false;
    return true;
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

bool IndexWindow::Read(std::uint64_t position, char* out, std::size_t count) {
    if (count > kSize || position > fileSize_ || count > fileSize_ - position)
        return false;
    const std::uint64_t end = start_ + bytes_.size();
    if (position < start_ || position + count > end) {
        // Onwards from the position when reading goes forward (a block longer than a cursor's
        // window), else back from the end of what is asked for.
        const std::uint64_t from =
            !bytes_.empty() && position >= end
                ? position
                : position + count - std::min<std::uint64_t>(position + count, kSize);
        const auto length =
            static_cast<std::size_t>(std::min<std::uint64_t>(kSize, fileSize_ - from));
        bytes_.resize(length);
        if (!file_.Seek(from) || file_.Read(bytes_.data(), length) != length) {
            bytes_.clear();
            return false;
        }
        start_ = from;
    }
    std::memcpy(out, bytes_.data() + (position - start_), count);
    return true;
}

bool RecordCursor::Fill() {
    if (at_ < window_.size())
        return true;
    if (consumed_ >= size_)
        return false;
    const std::size_t want =
        static_cast<std::size_t>(std::min<std::uint64_t>(size_ - consumed_, kWindow));
    window_.resize(want);
    at_ = 0;
    if (!index_.Read(start_ + consumed_, window_.data(), want)) {
        window_.clear();
        return false;
    }
    return true;
}

bool RecordCursor::ReadBytes(char* out, std::size_t count) {
    while (count > 0) {
        if (!Fill())
            return false;
        const std::size_t chunk = std::min(count, window_.size() - at_);
        std::memcpy(out, window_.data() + at_, chunk);
        at_ += chunk;
        consumed_ += chunk;
        out += chunk;
        count -= chunk;
    }
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
    value.clear();
    for (;;) {
        if (!Fill())
            return false;
        const char* from = window_.data() + at_;
        const std::size_t available = window_.size() - at_;
        const void* end = std::memchr(from, 0, available);
        const std::size_t length =
            end ? static_cast<std::size_t>(static_cast<const char*>(end) - from) : available;
        if (value.size() + length > kLongestName)
            return false;
        value.append(from, length);
        const std::size_t taken = end ? length + 1 : length;
        at_ += taken;
        consumed_ += taken;
        if (end)
            return true;
    }
}

bool ReadFolderRecord(RecordCursor& cursor, FolderRecord& record) {
    return cursor.ReadU32(record.directoryPosition) && cursor.ReadU32(record.directorySize) &&
           cursor.ReadU32(record.time) && cursor.ReadString(record.name);
}

bool ReadEntryRecord(RecordCursor& cursor, EntryRecord& record) {
    char typeField[4];
    std::uint32_t keyCount = 0;
    if (!cursor.ReadU32(record.dataPosition) || !cursor.ReadU32(record.size) ||
        !cursor.ReadU32(record.time) || !cursor.ReadU32(record.identifier) ||
        !cursor.ReadBytes(typeField, 4) || !cursor.ReadU32(keyCount) ||
        !cursor.ReadString(record.baseName) || !cursor.ReadString(record.description) ||
        !ReadKeys(cursor, keyCount, record.keys))
        return false;
    const std::size_t codeLength = std::find(typeField, typeField + 4, '\0') - typeField;
    record.typeCode.assign(std::make_reverse_iterator(typeField + codeLength),
                           std::make_reverse_iterator(typeField));
    return true;
}

void EntryRecord::NameInto(std::string& name) const {
    name.assign(baseName);
    if (!typeCode.empty())
        name.append(1, '.').append(typeCode);
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
                       std::string_view name) {
    AppendU32(block, 0);
    AppendU32(block, dataPosition);
    AppendU32(block, entry.size);
    AppendU32(block, entry.time);
    AppendU32(block, entry.identifier);
    // The type field holds what the base name leaves out, so the name reads back as written
    // even after a rename or for a name such as ".dat".
    AppendTypeField(block, StoredTypeCodeOf(name));
    const std::span<const std::uint32_t> keys = entry.extras.Keys();
    AppendU32(block, static_cast<std::uint32_t>(keys.size()));
    block.append(BaseNamePart(name));
    block.push_back('\0');
    block.append(entry.extras.Description());
    block.push_back('\0');
    for (const std::uint32_t key : keys)
        AppendU32(block, key);
}

std::uint32_t FolderRecordSize(std::string_view name) {
    return kFolderFixedSize + static_cast<std::uint32_t>(name.size()) + 1;
}

std::uint32_t EntryRecordSize(std::string_view name, const EntryExtras& extras) {
    return kEntryFixedSize +
           static_cast<std::uint32_t>(BaseNamePart(name).size() + 1 + extras.Description().size() +
                                      1 + 4 * extras.Keys().size());
}

std::string_view StoredTypeCodeOf(std::string_view name) {
    const std::size_t baseLength = BaseNamePart(name).size();
    return baseLength < name.size() ? name.substr(baseLength + 1) : std::string_view();
}

std::string_view BaseNamePart(std::string_view name) {
    const size_t dot = name.rfind('.');
    // A trailing dot goes too (FILE. is stored as FILE), as Windows drops it from file names.
    if (dot == std::string_view::npos || dot == 0 || name.size() - dot - 1 > 4)
        return name;
    return name.substr(0, dot);
}
