#include "archive/RezSaver.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "archive/ArchivePaths.h"
#include "archive/EntryFeed.h"
#include "archive/RezRecords.h"
#include "archive/TextBlock.h"
#include "platform/Format.h"
#include "platform/TextCase.h"
#include "platform/filesystem/BinaryFile.h"
#include "platform/filesystem/FileReplace.h"

namespace {

#ifdef __linux__
constexpr bool kCopyStoredInKernel = true;
#else
constexpr bool kCopyStoredInKernel = false;
#endif
// Stored entries that lie one after the other in the source are copied in one go, up to this.
constexpr std::uint64_t kLongestRun = 64u << 20;
constexpr std::size_t kRunEntries = 4096;
constexpr std::size_t kNoParent = static_cast<std::size_t>(-1);

// Where a folder and its entries go in the new file. Kept aside until the file has replaced
// the target; only then does the document take the new positions and names. A few words a
// folder and one an entry, so that planning a large archive costs little.
struct PlannedFolder {
    RezFolder* folder;
    std::size_t parent;      // index in the plan, kNoParent for the root
    std::size_t firstChild;  // children in folder-list order, in children_
    std::size_t childCount;
    std::size_t firstEntry;  // the entries' new positions, in positions_
    std::uint32_t directoryPosition;
    std::uint32_t directorySize;
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
    // The entry's name as written, before upper-casing: a new entry loses its disk folders.
    std::string_view ListedName(const RezEntry& entry, std::string& scratch) const;
    std::string WrittenName(const RezEntry& entry) const {
        std::string scratch;
        return UpperCase(std::string(ListedName(entry, scratch)));
    }
    std::string EnginePath(std::size_t folder) const;
    std::uint64_t PlannedFileSize() const;
    bool Write(std::uintptr_t owner);
    bool WriteData();
    bool WriteEntry(EntryFeed& feed, const RezEntry& entry, std::uint32_t& position);
    // Adds a stored entry's data to the run of source bytes to copy; false when the run
    // before it could not be copied.
    bool CopyLater(const RezEntry& entry);
    bool CopyRun();
    bool WriteIndex();
    bool WriteHeader();
    bool WriteZeros(std::uint32_t count);
    bool Output(const void* data, std::size_t count);
    void Apply();
    bool Fail(const std::string& message);
    bool SourceFailed(const RezEntry& entry) {
        return Fail(Format("Error adding '%s' from: %s", entry.name.str().c_str(),
                           job_.sourcePath.c_str()));
    }

    ArchiveJob& job_;
    ProgressSink& progress_;
    UserPrompts& prompts_;
    std::vector<PlannedFolder> folders_;
    std::vector<std::size_t> children_;
    std::vector<std::uint32_t> positions_;  // 0 for an entry left out
    BinaryFile target_;
    BinaryFile source_;
    std::string temporaryPath_;
    std::uint64_t written_ = 0;  // bytes in the target so far, counting the run not yet copied
    bool writeError_ = false;    // the target could not take what was written
    // Stored entries whose data is still to be copied, from runStart_ in the source.
    std::vector<const RezEntry*> run_;
    std::uint64_t runStart_ = 0;
    std::uint64_t runLength_ = 0;
    RezHeader header_{};
};

void ArchiveWriter::Plan() {
    // Every folder stands after its parent, so parents are planned first.
    std::unordered_map<const RezFolder*, std::size_t> indexOf;
    indexOf.reserve(job_.folders->Size());
    std::vector<std::size_t> childCounts;
    folders_.reserve(job_.folders->Size());
    positions_.reserve(job_.folders->TotalEntryCount());
    job_.folders->ForEach([&](RezFolder& folder) {
        std::size_t parent = kNoParent;
        if (folder.parent) {
            parent = indexOf.at(folder.parent);
            ++childCounts[parent];
        }
        indexOf.emplace(&folder, folders_.size());
        folders_.push_back({&folder, parent, 0, 0, positions_.size(), 0, 0});
        positions_.resize(positions_.size() + folder.entries.size(), 0);
        childCounts.push_back(0);
    });
    std::size_t next = 0;
    for (std::size_t i = 0; i < folders_.size(); ++i) {
        folders_[i].firstChild = next;
        next += childCounts[i];
    }
    children_.resize(next);
    for (std::size_t i = 0; i < folders_.size(); ++i) {
        if (folders_[i].parent != kNoParent) {
            PlannedFolder& parent = folders_[folders_[i].parent];
            children_[parent.firstChild + parent.childCount++] = i;
        }
    }
}

std::string_view ArchiveWriter::ListedName(const RezEntry& entry, std::string& scratch) const {
    if (!StoredInSource(entry))
        return entry.name.FileName();
    if (entry.name.FolderPart().empty())
        return entry.name.OwnPart();
    scratch = entry.name.str();
    return scratch;
}

// The folder names from the root down, each followed by '\'.
std::string ArchiveWriter::EnginePath(std::size_t folder) const {
    std::string path;
    for (std::size_t at = folder; at != kNoParent; at = folders_[at].parent)
        path.insert(0, folders_[at].folder->name + "\\");
    return path;
}

// The size of the file with every entry written; the index gaps double every block but the
// root's.
std::uint64_t ArchiveWriter::PlannedFileSize() const {
    std::uint64_t size = kDataStart;
    std::string scratch;
    for (std::size_t i = 0; i < folders_.size(); ++i) {
        const PlannedFolder& folder = folders_[i];
        std::uint64_t block = 0;
        for (std::size_t c = 0; c < folder.childCount; ++c)
            block += FolderRecordSize(folders_[children_[folder.firstChild + c]].folder->name);
        for (const RezEntry& entry : folder.folder->entries) {
            block += EntryRecordSize(ListedName(entry, scratch), entry.extras);
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

bool ArchiveWriter::CopyLater(const RezEntry& entry) {
    const bool follows = !run_.empty() && runStart_ + runLength_ == entry.dataPosition &&
                         runLength_ + entry.size <= kLongestRun && run_.size() < kRunEntries;
    if (!follows) {
        if (!CopyRun())
            return false;
        runStart_ = entry.dataPosition;
    }
    run_.push_back(&entry);
    runLength_ += entry.size;
    written_ += entry.size;
    return true;
}

bool ArchiveWriter::CopyRun() {
    if (run_.empty())
        return true;
    std::uint32_t read = 0;
    const bool copied =
        CopyRange(source_, runStart_, static_cast<std::uint32_t>(runLength_), target_, &read);
    const std::vector<const RezEntry*> run = std::move(run_);
    run_.clear();
    runLength_ = 0;
    if (!copied)
        return !(writeError_ = true);
    // Loaded entries lie inside their archive: a short read means the file was cut or failed
    // since, and zeros must not replace the data.
    std::uint64_t end = 0;
    for (const RezEntry* entry : run) {
        end += entry->size;
        if (end > read)
            return SourceFailed(*entry);
    }
    return true;
}

// Sets position to where the entry's data went, or leaves it 0 when the entry is left out.
bool ArchiveWriter::WriteEntry(EntryFeed& feed, const RezEntry& entry, std::uint32_t& position) {
    const std::uint64_t at = written_;
    bool unreadable = false;
    for (;;) {
        const EntryPiece& piece = feed.Next();
        if (piece.kind == EntryPiece::Kind::FromSource) {
            if (!CopyLater(entry))
                return false;
        } else {
            // Whatever is written or shown now comes after the run before it.
            if (!CopyRun())
                return false;
            switch (piece.kind) {
                case EntryPiece::Kind::Bytes:
                    if (!Output(piece.bytes, piece.length))
                        return false;
                    break;
                case EntryPiece::Kind::Unreadable:
                    unreadable = true;
                    break;
                default:  // the source is missing or gave less than the entry needs
                    return SourceFailed(entry);
            }
        }
        if (piece.last)
            break;
    }
    if (unreadable) {
        // Left out of this file; the entry stays in the document, still to be stored.
        prompts_.Show(Format("Error adding: %s", DiskSourceOf(entry).str().c_str()));
        ++job_.pendingEntries;
        return true;
    }
    position = static_cast<std::uint32_t>(at);
    return true;
}

bool ArchiveWriter::WriteData() {
    if (!job_.sourcePath.empty())
        source_.OpenRead(job_.sourcePath);
    std::vector<const RezFolder*> order;
    order.reserve(folders_.size());
    for (const PlannedFolder& folder : folders_)
        order.push_back(folder.folder);
    EntryFeed feed(std::move(order), !job_.sourcePath.empty(), source_, kCopyStoredInKernel,
                   EntryFeed::DefaultThreads());
    for (std::size_t f = 0; f < folders_.size(); ++f) {
        const PlannedFolder& folder = folders_[f];
        progress_.SetLine(2, Format("Writing Folder: %s", EnginePath(f).c_str()), true);
        if (progress_.HasUserCancelled())
            return false;
        const auto count = static_cast<std::uint32_t>(folder.folder->entries.size());
        progress_.SetProgress(count == 0 ? 1 : 0, count == 0 ? 1 : count);
        std::uint32_t i = 0;
        for (const RezEntry& entry : folder.folder->entries) {
            progress_.SetProgress(i, count);
            if (progress_.HasUserCancelled())
                return false;
            if (!WriteEntry(feed, entry, positions_[folder.firstEntry + i++]))
                return false;
        }
    }
    if (!CopyRun())
        return false;
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
        for (std::size_t c = 0; c < folder.childCount; ++c) {
            const PlannedFolder& child = folders_[children_[folder.firstChild + c]];
            const std::string name = UpperCase(child.folder->name);
            header_.largestFolderName =
                std::max<std::uint32_t>(header_.largestFolderName, name.size());
            AppendFolderRecord(
                block, {child.directoryPosition, child.directorySize, child.folder->time, name});
        }
        std::size_t e = folder.firstEntry;
        for (const RezEntry& entry : folder.folder->entries) {
            const std::uint32_t position = positions_[e++];
            if (position == 0)
                continue;
            const std::string name = WrittenName(entry);
            header_.largestEntryName =
                std::max<std::uint32_t>(header_.largestEntryName, name.size());
            header_.largestKeyCount =
                std::max<std::uint32_t>(header_.largestKeyCount, entry.extras.Keys().size());
            header_.largestDescription = std::max<std::uint32_t>(header_.largestDescription,
                                                                 entry.extras.Description().size());
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
            folder.name = UpperCase(folder.name);
        folder.directoryPosition = planned.directoryPosition;
        folder.directorySize = planned.directorySize;
        std::size_t e = planned.firstEntry;
        for (RezEntry& entry : folder.entries) {
            const std::uint32_t position = positions_[e++];
            if (position == 0)
                continue;
            const std::string written = WrittenName(entry);
            if (!(entry.name == written))
                entry.name = written;
            entry.dataPosition = position;
            entry.diskPath = EntryName();
            // The type follows the name as written, as a reopened archive would show it.
            const std::string typeCode(StoredTypeCodeOf(written));
            if (!EqualNoCase(typeCode, entry.typeCode) || entry.typeName.empty())
                entry.typeName = TypeNameFor(typeCode, written);
            entry.typeCode = typeCode;
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
