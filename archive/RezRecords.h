#pragma once
// Encoding and decoding of the header and of the directory records of a .rez archive.
#include <cstddef>
#include <cstdint>
#include <string>

#include "archive/RezFormat.h"
#include "archive/RezTree.h"

// True when the first 8 bytes carry one of the creator tags archives are known to start with.
bool HasCreatorTag(const char* textBlock);

// 44 bytes from offset 127 (the last 3 belong to what follows the header and are ignored).
RezHeader DecodeHeader(const unsigned char* bytes);
// The 41 bytes the header occupies on disk.
void EncodeHeader(const RezHeader& header, unsigned char* bytes);

// Reads records out of one directory block held in memory; never reads past its end.
class RecordCursor {
  public:
    RecordCursor(const char* data, std::size_t size) : data_(data), size_(size) {}
    bool AtEnd() const { return at_ >= size_; }
    bool ReadU32(std::uint32_t& value);
    bool ReadBytes(char* out, std::size_t count);
    // A 0-terminated string; false when the block ends before the terminator.
    bool ReadString(std::string& value);

  private:
    const char* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

struct FolderRecord {
    std::uint32_t directoryPosition = 0;
    std::uint32_t directorySize = 0;
    std::uint32_t time = 0;
    std::string name;
};

// Both read what follows the record type.
bool ReadFolderRecord(RecordCursor& cursor, FolderRecord& record);
// Fills position, size, time, identifier, type code and name (base name plus type code).
bool ReadEntryRecord(RecordCursor& cursor, RezEntry& entry);

// Appends a folder record; name is written as given.
void AppendFolderRecord(std::string& block, const FolderRecord& record);
// Appends an entry record; the base name and the type field both come from name (upper-cased
// type), so that loading gives name back.
void AppendEntryRecord(std::string& block, const RezEntry& entry, std::uint32_t dataPosition,
                       const std::string& name);
// Lengths of the records AppendFolderRecord and AppendEntryRecord write.
std::uint32_t FolderRecordSize(const std::string& name);
std::uint32_t EntryRecordSize(const std::string& name);

// The name without its last '.' and what follows, when that '.' is not the first character
// and at most 4 characters follow it; otherwise the whole name.
std::string BaseNameOf(const std::string& name);
