#include "archive/RezLoader.h"

#include <algorithm>
#include <vector>

#include "archive/ArchivePaths.h"
#include "archive/RezRecords.h"
#include "platform/Format.h"
#include "platform/filesystem/BinaryFile.h"

namespace {

// No real archive nests anywhere near this deep; a deeper index is taken as damaged.
constexpr int kMaxDepth = 256;

// Walks the directory blocks of one archive file. Every block must lie inside the file, the
// blocks read may not add up to more than the file holds, and a block may not contain
// itself, so a hostile index ends in bounded time and memory.
class IndexReader {
  public:
    IndexReader(BinaryFile& file, std::uint64_t fileSize, FolderList& folders,
                ProgressSink& progress)
        : index_(file, fileSize), fileSize_(fileSize), folders_(folders), progress_(progress) {}

    // Reads one block into the last folder of the list, and the blocks of its subfolders.
    // False when the index is damaged or the user cancelled.
    bool ReadDirectory(std::uint32_t position, std::uint32_t size, int depth);

  private:
    // A block must lie inside the file, the blocks read may not add up to more than the file
    // holds, and a block may not contain itself.
    bool MayRead(std::uint32_t position, std::uint32_t size);
    // Stored data must lie in the data area or later and end inside the file. An empty entry
    // needs no bytes; it only must not look like one still to be read from disk (position 0)
    // nor point past the end, where extracting it would count as a read beyond the file.
    bool CheckDataPosition(EntryRecord& record) const {
        if (record.size == 0) {
            if (record.dataPosition < kDataStart || record.dataPosition > fileSize_)
                record.dataPosition = kDataStart;
            return true;
        }
        return record.dataPosition >= kDataStart &&
               std::uint64_t(record.dataPosition) + record.size <= fileSize_;
    }
    void AddEntry(RezFolder& folder, const EntryRecord& record);

    IndexWindow index_;
    std::uint64_t fileSize_;
    FolderList& folders_;
    ProgressSink& progress_;
    std::uint64_t blockBytesRead_ = 0;
    std::vector<std::uint32_t> openBlocks_;  // positions of the blocks being read, outermost first
    TypeNameCache typeNames_;
    // Kept from one record to the next, so that their strings keep their room.
    FolderRecord folderRecord_;
    EntryRecord entryRecord_;
    std::string name_;
};

bool IndexReader::MayRead(std::uint32_t position, std::uint32_t size) {
    if (position < kDataStart || std::uint64_t(position) + size > fileSize_)
        return false;
    blockBytesRead_ += size;
    if (blockBytesRead_ > fileSize_)
        return false;
    return std::find(openBlocks_.begin(), openBlocks_.end(), position) == openBlocks_.end();
}

void IndexReader::AddEntry(RezFolder& folder, const EntryRecord& record) {
    record.NameInto(name_);
    RezEntry& entry = folder.entries.emplace_back();
    entry.dataPosition = record.dataPosition;
    entry.size = record.size;
    entry.time = record.time;
    entry.identifier = record.identifier;
    entry.name = EntryName(folders_.Names(), name_);
    entry.typeCode = record.typeCode;
    entry.typeName = typeNames_.For(record.typeCode, name_);
    entry.extras = EntryExtras(record.description, record.keys);
}

bool IndexReader::ReadDirectory(std::uint32_t position, std::uint32_t size, int depth) {
    if (depth > kMaxDepth)
        return false;
    if (!MayRead(position, size))
        return false;
    openBlocks_.push_back(position);

    RezFolder& current = *folders_.Last();
    RecordCursor cursor(index_, position, size);
    std::uint32_t counter = 0;
    bool entrySeen = false;
    while (!cursor.AtEnd()) {
        std::uint32_t recordType = 0;
        if (!cursor.ReadU32(recordType))
            return false;
        if (recordType != 0) {
            if (entrySeen)
                break;  // folder records only come before the entries
            FolderRecord& record = folderRecord_;
            if (!ReadFolderRecord(cursor, record))
                return false;
            RezFolder& folder = folders_.Append(record.name, &current);
            folder.directorySize = record.directorySize;
            folder.time = record.time;
            progress_.SetLine(2, Format("Reading Folder: %s", folder.name.c_str()), false);
            progress_.SetProgress(counter, 100);
            if (progress_.HasUserCancelled())
                return false;
            counter = (counter + 10) % 100;
            if (record.directorySize > 0) {
                if (!ReadDirectory(record.directoryPosition, record.directorySize, depth + 1))
                    return false;
            }
        } else {
            entrySeen = true;
            if (!ReadEntryRecord(cursor, entryRecord_) || !CheckDataPosition(entryRecord_))
                return false;
            AddEntry(current, entryRecord_);
        }
    }
    openBlocks_.pop_back();
    return true;
}

}  // namespace

bool LoadArchive(const std::string& path, RezHeader& header, FolderList& folders,
                 ProgressSink& progress, UserPrompts& prompts, std::uintptr_t owner) {
    BinaryFile file;
    if (!file.OpenRead(path)) {
        prompts.Show(Format("Error opening file: %s", path.c_str()));
        return false;
    }
    char textBlock[kTextBlockSize] = {};
    file.Read(textBlock, sizeof textBlock);
    const std::string fileName = FileNameOf(path);
    if (!HasCreatorTag(textBlock)) {
        prompts.Show(
            Format("'%s' does not appear to be a valid LithTech Rez File!", fileName.c_str()));
        return false;
    }

    progress.SetLine(1, "Opening...", false);
    progress.Start(owner);
    progress.HasUserCancelled();

    folders.Clear();
    header = RezHeader{};
    const std::uint64_t fileSize = file.Size();
    unsigned char headerBytes[kHeaderMemorySize] = {};
    const bool headerRead =
        file.Seek(kHeaderOffset) && file.Read(headerBytes, sizeof headerBytes) >= kHeaderDiskSize;
    if (headerRead)
        header = DecodeHeader(headerBytes);

    RezFolder& root = folders.Append(FileTitleOf(path), nullptr);
    root.treeItem = kTreeRootItem;

    bool ok = headerRead && fileSize != UINT64_MAX;
    if (ok && header.rootDirectorySize > 0) {
        IndexReader reader(file, fileSize, folders, progress);
        ok = reader.ReadDirectory(header.rootDirectoryPosition, header.rootDirectorySize, 0);
    }
    file.Close();
    if (!ok) {
        prompts.Show(Format("'%s' appears to be corrupted!", fileName.c_str()));
        return false;
    }
    return true;
}
