#include "archive/RezSaver.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "archive/ArchivePaths.h"
#include "archive/BinaryFile.h"
#include "archive/DiskFileOpener.h"
#include "archive/FileReplace.h"
#include "archive/RezRecords.h"
#include "archive/TextBlock.h"
#include "platform/Format.h"
#include "platform/TextCase.h"

namespace {

// Where a folder and its entries go in the new file. Kept aside until the file has replaced
// the target; only then does the document take the new positions and names.
struct PlannedFolder {
    RezFolder* folder;
    std::string name;                   // as written: upper case
    std::string enginePath;             // shown while its entries are written
    std::vector<std::size_t> children;  // in folder-list order
    // New data position of each entry, in entry order; 0 for one left out.
    std::vector<std::uint32_t> positions;
    std::uint32_t directoryPosition = 0;
    std::uint32_t directorySize = 0;
};

// Writes the archive into a temporary file beside the target and replaces the target with it
// only when the file is complete.
class ArchiveWriter {
  public:
    ArchiveWriter(ArchiveJob& job, ProgressSink& progress, UserPrompts& prompts)
        : job_(job), progress_(progress), prompts_(prompts) {}

    bool Save(std::uintptr_t owner);

  private:
    void Plan();
    bool StoredInSource(const RezEntry& entry) const {
        return entry.dataPosition != 0 && !job_.sourcePath.empty();
    }
    // The entry's name as written: a new entry loses its disk folders; all is upper case.
    std::string WrittenName(const RezEntry& entry) const {
        return UpperCase(StoredInSource(entry) ? entry.name : FileNameOf(entry.name));
    }
    std::uint64_t PlannedFileSize() const;
    bool Write(std::uintptr_t owner);
    bool WriteData();
    bool WriteEntry(RezEntry& entry, std::uint32_t& position);
    bool WriteIndex();
    bool WriteHeader();
    bool WriteZeros(std::uint32_t count);
    bool Output(const void* data, std::size_t count);
    bool Copy(BinaryFile& from, std::uint64_t offset, std::uint32_t size,
              std::uint32_t* read = nullptr);
    void Apply();
    bool Fail(const std::string& message);

    ArchiveJob& job_;
    ProgressSink& progress_;
    UserPrompts& prompts_;
    std::vector<PlannedFolder> folders_;
    BinaryFile target_;
    BinaryFile source_;
    DiskFileOpener diskFiles_;
    std::string temporaryPath_;
    std::uint64_t written_ = 0;  // bytes in the target so far
    bool writeError_ = false;    // the target could not take what was written
    RezHeader header_{};
};

void ArchiveWriter::Plan() {
    std::unordered_map<const RezFolder*, std::size_t> indexOf;
    job_.folders->ForEach([&](RezFolder& folder) {
        const std::size_t index = folders_.size();
        indexOf[&folder] = index;
        PlannedFolder planned{&folder, UpperCase(folder.name), folder.name + "\\", {}, {}};
        if (folder.parent) {
            PlannedFolder& parent = folders_[indexOf.at(folder.parent)];
            parent.children.push_back(index);
            planned.enginePath = parent.enginePath + planned.enginePath;
        }
        planned.positions.assign(folder.entries.size(), 0);
        folders_.push_back(std::move(planned));
    });
}

// The size of the file with every entry written; the index gaps double every block but the
// root's.
std::uint64_t ArchiveWriter::PlannedFileSize() const {
    std::uint64_t size = kDataStart;
    for (std::size_t i = 0; i < folders_.size(); ++i) {
        std::uint64_t block = 0;
        for (std::size_t child : folders_[i].children) {
            block += FolderRecordSize(folders_[child].name);
        }
        for (const RezEntry& entry : folders_[i].folder->entries) {
            block += EntryRecordSize(WrittenName(entry));
            size += entry.size;
        }
        size += i == 0 ? block : 2 * block;
    }
    return size;
}

bool ArchiveWriter::Output(const void* data, std::size_t count) {
    if (!target_.Write(data, count))
        return !(writeError_ = true);
    written_ += count;
    return true;
}

bool ArchiveWriter::Copy(BinaryFile& from, std::uint64_t offset, std::uint32_t size,
                         std::uint32_t* read) {
    if (!CopyRange(from, offset, size, target_, read))
        return !(writeError_ = true);
    written_ += size;
    return true;
}

bool ArchiveWriter::WriteZeros(std::uint32_t count) {
    static const char kZeros[4096] = {};
    while (count > 0) {
        const std::uint32_t chunk = std::min<std::uint32_t>(count, sizeof kZeros);
        if (!Output(kZeros, chunk))
            return false;
        count -= chunk;
    }
    return true;
}

bool ArchiveWriter::Fail(const std::string& message) {
    prompts_.Show(message);
    return false;
}

// Sets position to where the entry's data went, or leaves it 0 when the entry is left out.
bool ArchiveWriter::WriteEntry(RezEntry& entry, std::uint32_t& position) {
    const std::uint64_t at = written_;
    if (StoredInSource(entry)) {
        const auto sourceFailed = [&] {
            return Fail(
                Format("Error adding '%s' from: %s", entry.name.c_str(), job_.sourcePath.c_str()));
        };
        if (!source_.IsOpen())
            return sourceFailed();
        std::uint32_t read = 0;
        if (!Copy(source_, entry.dataPosition, entry.size, &read))
            return false;
        // Loaded entries lie inside their archive: a short read means the file was cut or
        // failed since, and zeros must not replace the data.
        if (read < entry.size)
            return sourceFailed();
    } else {
        BinaryFile disk;
        if (!diskFiles_.Open(DiskSourceOf(entry), disk)) {
            // Left out of this file; the entry stays in the document, still to be stored.
            prompts_.Show(Format("Error adding: %s", DiskSourceOf(entry).c_str()));
            ++job_.pendingEntries;
            return true;
        }
        if (!Copy(disk, 0, entry.size))
            return false;
    }
    position = static_cast<std::uint32_t>(at);
    return true;
}

bool ArchiveWriter::WriteData() {
    if (!job_.sourcePath.empty())
        source_.OpenRead(job_.sourcePath);
    for (PlannedFolder& folder : folders_) {
        progress_.SetLine(2, Format("Writing Folder: %s", folder.enginePath.c_str()), true);
        if (progress_.HasUserCancelled())
            return false;
        const auto count = static_cast<std::uint32_t>(folder.positions.size());
        progress_.SetProgress(count == 0 ? 1 : 0, count == 0 ? 1 : count);
        std::uint32_t i = 0;
        for (RezEntry& entry : folder.folder->entries) {
            progress_.SetProgress(i, count);
            if (progress_.HasUserCancelled())
                return false;
            if (!WriteEntry(entry, folder.positions[i++]))
                return false;
        }
    }
    source_.Close();
    header_.dataEnd = static_cast<std::uint32_t>(written_);
    return true;
}

bool ArchiveWriter::WriteIndex() {
    std::string block;
    for (std::size_t i = folders_.size(); i-- > 0;) {
        PlannedFolder& folder = folders_[i];
        progress_.SetLine(2, "Writing Index", false);
        folder.directoryPosition = static_cast<std::uint32_t>(written_);
        block.clear();
        for (std::size_t index : folder.children) {
            const PlannedFolder& child = folders_[index];
            header_.largestFolderName =
                std::max<std::uint32_t>(header_.largestFolderName, child.name.size());
            AppendFolderRecord(block, {child.directoryPosition, child.directorySize,
                                       child.folder->time, child.name});
        }
        std::size_t e = 0;
        for (const RezEntry& entry : folder.folder->entries) {
            const std::uint32_t position = folder.positions[e++];
            if (position == 0)
                continue;
            const std::string name = WrittenName(entry);
            header_.largestEntryName =
                std::max<std::uint32_t>(header_.largestEntryName, name.size());
            AppendEntryRecord(block, entry, position, name);
        }
        folder.directorySize = static_cast<std::uint32_t>(block.size());
        if (!Output(block.data(), block.size()))
            return false;
        if (i > 0 && !WriteZeros(folder.directorySize))
            return false;
    }
    header_.rootDirectoryPosition =
        folders_.empty() ? header_.dataEnd : folders_.front().directoryPosition;
    header_.rootDirectorySize = folders_.empty() ? 0 : folders_.front().directorySize;
    return true;
}

bool ArchiveWriter::WriteHeader() {
    unsigned char bytes[kHeaderDiskSize];
    EncodeHeader(header_, bytes);
    return target_.Seek(kHeaderOffset) && target_.Write(bytes, sizeof bytes);
}

bool ArchiveWriter::Write(std::uintptr_t owner) {
    progress_.SetLine(1, "Saving...", false);
    progress_.Start(owner);
    progress_.HasUserCancelled();

    header_.version = 1;
    header_.sortedFlag = 1;
    const std::string textBlock = ArchiveTextBlock();
    const auto writeFailed = [this] {
        return Fail(Format("Error writing Rez File: %s", job_.path.c_str()));
    };
    if (!Output(textBlock.data(), textBlock.size()) || !WriteZeros(kHeaderDiskSize))
        return writeFailed();
    // A failed WriteData has shown its message, unless the target failed or the user cancelled.
    if (!WriteData())
        return writeError_ ? writeFailed() : false;
    if (!WriteIndex() || !WriteHeader() || !target_.Close())
        return writeFailed();
    return true;
}

void ArchiveWriter::Apply() {
    for (PlannedFolder& planned : folders_) {
        RezFolder& folder = *planned.folder;
        if (folder.parent)
            folder.name = planned.name;
        folder.directoryPosition = planned.directoryPosition;
        folder.directorySize = planned.directorySize;
        std::size_t e = 0;
        for (RezEntry& entry : folder.entries) {
            const std::uint32_t position = planned.positions[e++];
            if (position == 0)
                continue;
            entry.name = WrittenName(entry);
            entry.dataPosition = position;
            entry.diskPath.clear();
            // The type follows the name as written, as a reopened archive would show it.
            std::string typeCode = StoredTypeCodeOf(entry.name);
            if (!EqualNoCase(typeCode, entry.typeCode) || entry.typeName.empty())
                entry.typeName = TypeNameFor(typeCode, entry.name);
            entry.typeCode = std::move(typeCode);
        }
    }
    if (RezFolder* root = job_.folders->Root())
        root->name = FileTitleOf(job_.path);
    job_.header = header_;
}

bool ArchiveWriter::Save(std::uintptr_t owner) {
    job_.pendingEntries = 0;
    Plan();
    if (PlannedFileSize() > UINT32_MAX) {
        return Fail(Format("'%s' cannot be saved: a Rez File cannot hold more than 4 GB.",
                           job_.path.c_str()));
    }
    if (!CreateTemporaryBeside(job_.path, target_, temporaryPath_))
        return Fail(Format("Error Creating Rez File: %s", job_.path.c_str()));
    bool ok = false;
    try {
        ok = Write(owner);
    } catch (...) {
        // The caller reports it; the incomplete file must not stay behind.
        target_.Close();
        RemoveFile(temporaryPath_);
        throw;
    }
    target_.Close();
    source_.Close();
    if (ok && !ReplaceFileWith(temporaryPath_, job_.path))
        ok = Fail(Format("Error Creating Rez File: %s", job_.path.c_str()));
    if (!ok) {
        RemoveFile(temporaryPath_);
        return false;
    }
    Apply();
    return true;
}

}  // namespace

bool SaveArchive(ArchiveJob& job, ProgressSink& progress, UserPrompts& prompts,
                 std::uintptr_t owner) {
    job.failed = true;
    if (!job.folders)
        return false;
    ArchiveWriter writer(job, progress, prompts);
    if (!writer.Save(owner))
        return false;
    job.failed = false;
    return true;
}
