#pragma once
// Encoding and decoding of the header and of the directory records of a .rez archive.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "archive/RezFormat.h"
#include "archive/RezTree.h"
#include "platform/filesystem/BinaryFile.h"

// True when the first 8 bytes carry one of the creator tags archives are known to start with.
bool HasCreatorTag(const char* textBlock);

// 44 bytes from offset 127 (the last 3 belong to what follows the header and are ignored).
RezHeader DecodeHeader(const unsigned char* bytes);
// The 41 bytes the header occupies on disk.
void EncodeHeader(const RezHeader& header, unsigned char* bytes);

// No name can be longer than the longest Windows path; a longer one is damage, and reading it
// whole could take all the memory a 32-bit program has.
constexpr std::size_t kLongestName = 32767;
// No entry carries anywhere near this many key values; more is damage, and would be a large
// allocation taken on the word of one field.
constexpr std::uint32_t kMostKeys = 1u << 16;

// The archive's index as read, through one window that moves along the file. The loader
// visits the blocks from the end of the file towards its start (the saver writes every
// folder's block before its parent's), so a window that follows that direction reads the
// whole index in a few large reads.
class IndexWindow {
  public:
    static constexpr std::size_t kSize = 256 * 1024;
    explicit IndexWindow(BinaryFile& file, std::uint64_t fileSize)
        : file_(file), fileSize_(fileSize) {}
    // Copies count bytes (at most kSize) from position; false when the file cannot give them.
    bool Read(std::uint64_t position, char* out, std::size_t count);

  private:
    BinaryFile& file_;
    std::uint64_t fileSize_;
    std::string bytes_;
    std::uint64_t start_ = 0;  // the file position of bytes_[0]
};

// Reads the records of one directory block through a small window of its own, so that a
// block as large as the file costs no more memory than a short one. Never reads past the
// block's end. Other cursors may read between two calls.
class RecordCursor {
  public:
    RecordCursor(IndexWindow& index, std::uint64_t start, std::uint32_t size)
        : index_(index), start_(start), size_(size) {}
    bool AtEnd() const { return consumed_ >= size_; }
    bool ReadU32(std::uint32_t& value);
    bool ReadBytes(char* out, std::size_t count);
    // A 0-terminated string of at most kLongestName bytes; false when the block ends before
    // the terminator or the string is longer.
    bool ReadString(std::string& value);

  private:
    static constexpr std::size_t kWindow = 16384;
    // Makes the window hold unread bytes; false at the block's end or when the file fails.
    bool Fill();

    IndexWindow& index_;
    std::uint64_t start_;
    std::uint32_t size_;
    std::uint64_t consumed_ = 0;  // bytes of the block taken by the reads so far
    std::string window_;          // the block's bytes from consumed_ - at_ on
    std::size_t at_ = 0;          // the next unread byte of window_
};

struct FolderRecord {
    std::uint32_t directoryPosition = 0;
    std::uint32_t directorySize = 0;
    std::uint32_t time = 0;
    std::string name;
};

struct EntryRecord {
    std::uint32_t dataPosition = 0;
    std::uint32_t size = 0;
    std::uint32_t time = 0;
    std::uint32_t identifier = 0;
    std::string typeCode;  // in reading order
    std::string baseName;
    std::string description;
    std::vector<std::uint32_t> keys;
    // Base name, '.', type code; the base name alone when the type code is empty.
    void NameInto(std::string& name) const;
};

// Both read what follows the record type. The strings of a record passed in again keep
// their room, so reading a whole index allocates little.
bool ReadFolderRecord(RecordCursor& cursor, FolderRecord& record);
bool ReadEntryRecord(RecordCursor& cursor, EntryRecord& record);

// Appends a folder record; name is written as given.
void AppendFolderRecord(std::string& block, const FolderRecord& record);
// Appends an entry record; the base name and the type field both come from name (upper-cased
// type), so that loading gives name back. The entry's description and keys follow as loaded.
void AppendEntryRecord(std::string& block, const RezEntry& entry, std::uint32_t dataPosition,
                       std::string_view name);
// Lengths of the records AppendFolderRecord and AppendEntryRecord write.
std::uint32_t FolderRecordSize(std::string_view name);
std::uint32_t EntryRecordSize(std::string_view name, const EntryExtras& extras);

// The name without its last '.' and what follows, when that '.' is not the first character
// and at most 4 characters follow it; otherwise the whole name.
std::string_view BaseNamePart(std::string_view name);
inline std::string BaseNameOf(const std::string& name) {
    return std::string(BaseNamePart(name));
}
// The type code a record written for name carries: what BaseNameOf leaves out after the dot.
std::string_view StoredTypeCodeOf(std::string_view name);
