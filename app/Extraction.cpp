// Copying entries out of the archive file into files and folders on disk.
#include "app/Extraction.h"

#include <algorithm>
#include <deque>
#include <new>
#include <thread>

#include "app/CommandSteps.h"
#include "app/ItemNames.h"
#include "app/PictureNames.h"
#include "app/TarvexDoc.h"
#include "archive/ArchivePaths.h"
#include "archive/OrderedPool.h"
#include "platform/Format.h"
#include "platform/filesystem/FileSystem.h"
#include "platform/filesystem/OutputFolder.h"
#include "thumbs/GlintraDoc.h"
#include "thumbs/TexturePicture.h"

namespace {

// The archive's length, asked once: asking moves the file position and drops its buffer.
std::uint64_t SizeOf(BinaryFile& archive) {
    const std::uint64_t size = archive.IsOpen() ? archive.Size() : 0;
    return size == UINT64_MAX ? 0 : size;
}

std::string ExtractionError(const std::string& path) {
    return Format("Extraction error on file: %s\n!", path.c_str());
}

// Entries up to this size are read with their neighbours in one window of the archive and
// written from memory; larger ones are copied by the worker that writes them.
constexpr std::uint32_t kWindowedEntry = 64 * 1024;
constexpr std::uint32_t kWindowBytes = 256 * 1024;
// Small files of one folder go to a worker together: workers then rarely make files in one
// directory at once, and are handed work less often.
constexpr std::size_t kBatchFiles = 64;
// Jobs given to the workers and not yet reported, and the window bytes they may hold.
constexpr std::size_t kQueuedJobs = 64;
constexpr std::uint64_t kQueuedBytes = 4u << 20;

// Writes the picture of the texture whose size bytes from holds at offset through write;
// NoPicture, and nothing written, when it holds none.
EntryResult WritePicture(BinaryFile& from, std::uint64_t offset, std::uint32_t size,
                         const std::function<bool(const char*, std::size_t)>& write) {
    std::vector<std::uint8_t> picture;
    try {
        std::vector<std::uint8_t> data(std::min<std::uint64_t>(size, CGlintraDoc::kLongestRead));
        data.resize(from.ReadAt(offset, data.data(), data.size()));
        picture = TexturePngFile(data);
    } catch (const std::bad_alloc&) {
        return EntryResult::NoPicture;
    }
    if (picture.empty())
        return EntryResult::NoPicture;
    return write(reinterpret_cast<const char*>(picture.data()), picture.size())
               ? EntryResult::Written
               : EntryResult::Failed;
}

// What a failed entry reports; otherText when the data could not be written.
std::string FailureText(EntryResult result, const std::string& path, const std::string& otherText) {
    return result == EntryResult::NoPicture ? NoPictureText(path) : otherText;
}

unsigned WriterThreads() {
    return std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
}

// Files a worker writes in one go, all into one folder.
struct FileBatch {
    struct File {
        std::string name;
        const char* bytes = nullptr;  // in window, or null: copied from source
        std::uint32_t size = 0;
        std::shared_ptr<const char[]> window;
        std::shared_ptr<BinaryFile> source;  // a disk file of its own, or null: the archive
        std::uint64_t offset = 0;
        bool picture = false;  // the texture's picture, decoded by the worker
    };
    std::shared_ptr<const OutputFolder> output;
    std::vector<File> files;
    std::vector<EntryResult> results;  // per file, once the batch is done

    bool Write(BinaryFile& archive) {
        results.assign(files.size(), EntryResult::Failed);
        bool all = true;
        for (std::size_t i = 0; i < files.size(); ++i) {
            results[i] = WriteFile(files[i], archive);
            all = all && results[i] == EntryResult::Written;
        }
        return all;
    }

    EntryResult WriteFile(const File& file, BinaryFile& archive) const {
        BinaryFile& from = file.source ? *file.source : archive;
        if (file.picture) {
            return WritePicture(from, file.offset, file.size,
                                [&](const char* bytes, std::size_t count) {
                                    return output->WriteBytes(file.name, bytes, count);
                                });
        }
        const bool written = file.bytes
                                 ? output->WriteBytes(file.name, file.bytes, file.size)
                                 : output->CopyBytes(file.name, from, file.offset, file.size);
        return written ? EntryResult::Written : EntryResult::Failed;
    }
};

}  // namespace

// The workers only decode pictures and create and write files; every name, check, message and
// progress call stays on the calling thread, in entry order.
class Extractor::ExtractionQueue {
  public:
    ExtractionQueue(LeftOutItems& leftOut, BinaryFile& archive, std::uint64_t archiveSize)
        : leftOut_(leftOut),
          archive_(archive),
          archiveSize_(archiveSize),
          pool_(WriterThreads(), kQueuedJobs) {}

    BinaryFile& Archive() { return archive_; }
    std::uint64_t ArchiveSize() const { return archiveSize_; }
    bool Complete() const { return complete_; }

    // The entries of one folder count their successes for its progress from here.
    void StartFolder(std::uint32_t* successes) {
        GiveBatch();
        successes_ = successes;
        ++folderNumber_;
    }

    // A failure found here: reported after those of the files given before it.
    void Fail(const std::string& message) {
        Finish();
        leftOut_.Fail(message);
        complete_ = false;
    }

    // Adds the file of an entry whose data lies whole in the archive (or, with source, in
    // its disk file): its data, or with picture the texture's picture. Small data is read with
    // that of the entries after it in the folder.
    void Add(const std::shared_ptr<const OutputFolder>& output, std::string name, std::string path,
             EntryList::const_iterator entry, EntryList::const_iterator end,
             std::shared_ptr<BinaryFile> source, bool picture) {
        FileBatch::File file;
        file.name = std::move(name);
        file.size = entry->size;
        file.offset = entry->dataPosition;
        file.source = std::move(source);
        file.picture = picture;
        if (!picture && !file.source && file.size <= kWindowedEntry) {
            if (!window_ || file.offset < windowStart_ ||
                file.offset + file.size > windowStart_ + windowLength_)
                ReadWindow(entry, end);
            file.window = window_;
            file.bytes = window_.get() + (file.offset - windowStart_);
        }
        Push(output, std::move(file), std::move(path));
    }

    // Waits for every file given and reports what failed.
    void Finish() {
        GiveBatch();
        while (pool_.Pending() > 0)
            TakeOne();
    }

  private:
    void Push(const std::shared_ptr<const OutputFolder>& output, FileBatch::File file,
              std::string path) {
        if (batch_ && batch_->output != output)
            GiveBatch();
        if (!batch_) {
            batch_ = std::make_shared<FileBatch>();
            batch_->output = output;
        }
        const bool alone = !file.bytes;
        if (file.bytes)
            batchBytes_ += file.size;
        batch_->files.push_back(std::move(file));
        batchPaths_.push_back(std::move(path));
        if (successes_)
            ++*successes_;
        if (alone || batch_->files.size() == kBatchFiles)
            GiveBatch();
    }

    struct Queued {
        std::shared_ptr<FileBatch> batch;
        std::vector<std::string> paths;
        std::uint64_t bytes;
        std::uint64_t folderNumber;
    };

    void GiveBatch() {
        if (!batch_)
            return;
        while (pool_.Full() || (queuedBytes_ + batchBytes_ > kQueuedBytes && pool_.Pending() > 0))
            TakeOne();
        // What has finished is reported before the next file's progress.
        while (pool_.Pending() > 0 && pool_.OldestDone())
            TakeOne();
        BinaryFile& archive = archive_;
        pool_.Give([batch = batch_, &archive] { return batch->Write(archive); });
        queued_.push_back({std::move(batch_), std::move(batchPaths_), batchBytes_, folderNumber_});
        queuedBytes_ += batchBytes_;
        batch_.reset();
        batchPaths_.clear();
        batchBytes_ = 0;
    }

    void TakeOne() {
        const bool allWritten = pool_.TakeOldest();
        Queued queued = std::move(queued_.front());
        queued_.pop_front();
        queuedBytes_ -= queued.bytes;
        if (allWritten)
            return;
        for (std::size_t i = 0; i < queued.paths.size(); ++i) {
            const EntryResult result = queued.batch->results[i];
            if (result == EntryResult::Written)
                continue;
            // A file counted as written while its folder's progress still runs is taken back.
            if (successes_ && queued.folderNumber == folderNumber_)
                --*successes_;
            const std::string& path = queued.paths[i];
            leftOut_.Fail(FailureText(result, path, ExtractionError(path)));
            complete_ = false;
        }
    }

    // The data of entry and of the small entries after it that follow it in the archive, up
    // to a window's length; what the archive no longer holds reads as zeros.
    void ReadWindow(EntryList::const_iterator entry, EntryList::const_iterator end) {
        windowStart_ = entry->dataPosition;
        std::uint64_t length = entry->size;
        for (auto next = std::next(entry); next != end; ++next) {
            if (next->dataPosition != windowStart_ + length || next->size > kWindowedEntry ||
                length + next->size > kWindowBytes ||
                windowStart_ + length + next->size > archiveSize_)
                break;
            length += next->size;
        }
        windowLength_ = static_cast<std::uint32_t>(length);
        std::shared_ptr<char[]> bytes(new char[std::max<std::uint32_t>(windowLength_, 1)]);
        const std::size_t got = archive_.ReadAt(windowStart_, bytes.get(), windowLength_);
        std::fill(bytes.get() + got, bytes.get() + windowLength_, '\0');
        window_ = std::move(bytes);
    }

    LeftOutItems& leftOut_;
    BinaryFile& archive_;
    const std::uint64_t archiveSize_;
    std::shared_ptr<const char[]> window_;
    std::uint64_t windowStart_ = 0;
    std::uint32_t windowLength_ = 0;
    std::shared_ptr<FileBatch> batch_;
    std::vector<std::string> batchPaths_;
    std::uint64_t batchBytes_ = 0;
    std::deque<Queued> queued_;
    std::uint64_t queuedBytes_ = 0;
    std::uint32_t* successes_ = nullptr;
    std::uint64_t folderNumber_ = 0;  // counts StartFolder calls
    bool complete_ = true;
    // Last: its workers end before what their jobs use.
    OrderedPool pool_;
};

std::string Extractor::ChooseExtractionFolder() {
    std::string path = doc_.Host().Prompts().ChooseFolder("Select an extraction Folder");
    if (path.size() > 1 && IsPathSeparator(path.back()))
        path.pop_back();
    return path;
}

bool Extractor::MakeExtractionFolder(const std::string& path) {
    if (CreateDirectories(path))
        return true;
    doc_.LeftOut().Fail(ExtractionError(path));
    return false;
}

bool Extractor::DiskNameFor(const std::string& archiveName, std::string& diskName) {
    // A name the disk's text cannot hold is refused like an unsafe one.
    if (!doc_.Host().Names().ToDisk(archiveName, diskName)) {
        diskName = archiveName;
        return false;
    }
    return IsSafeItemName(diskName);
}

BinaryFile* Extractor::EntryDataSource(BinaryFile& archive, std::uint64_t archiveSize,
                                       const RezEntry& entry, BinaryFile& disk) {
    if (entry.dataPosition == 0) {
        // Added since the last save: the data is still in its disk file.
        return disk.OpenRead(DiskSourceOf(entry)) ? &disk : nullptr;
    }
    // Data the archive does not hold (a truncated file) is not made up.
    return std::uint64_t{entry.dataPosition} + entry.size <= archiveSize ? &archive : nullptr;
}

bool Extractor::OpenArchiveData(BinaryFile& archive, const char* failureFormat) {
    // A document never saved has no archive: its entries all come from disk.
    const std::string& path = doc_.ArchivePath();
    if (path.empty() || archive.OpenRead(path))
        return true;
    doc_.LeftOut().Fail(Format(failureFormat, path.c_str()));
    return false;
}

bool Extractor::CopyEntryTo(const RezEntry& entry, BinaryFile& output) {
    BinaryFile archive;
    if (!OpenArchiveData(archive, "Error reading from REZ file: %s"))
        return false;
    BinaryFile disk;
    BinaryFile* from = EntryDataSource(archive, SizeOf(archive), entry, disk);
    return from && CopyRange(*from, entry.dataPosition, entry.size, output);
}

std::optional<bool> Extractor::OutputNameFor(const RezEntry& entry, std::string& diskName) {
    const std::string name = ItemNameOf(entry);
    if (output_ == ExtractionOutput::Data)
        return DiskNameFor(name, diskName);
    if (!IsTextureName(name))
        return std::nullopt;
    return DiskNameFor(PictureNameOf(name), diskName);
}

EntryResult Extractor::ExtractEntry(BinaryFile& archive, std::uint64_t archiveSize,
                                    const RezEntry& entry, const std::string& folder,
                                    std::string& path) {
    std::string name;
    const std::optional<bool> safe = OutputNameFor(entry, name);
    if (!safe)
        return EntryResult::LeftAlone;
    path = JoinPath(folder, name);
    BinaryFile disk;
    // A link planted in the destination would be written through.
    BinaryFile* from =
        *safe && !IsLink(path) ? EntryDataSource(archive, archiveSize, entry, disk) : nullptr;
    if (!from)
        return EntryResult::Failed;
    BinaryFile output;
    if (output_ == ExtractionOutput::Pictures) {
        return WritePicture(
            *from, entry.dataPosition, entry.size, [&](const char* bytes, std::size_t count) {
                return output.Create(path) && output.Write(bytes, count) && output.Close();
            });
    }
    if (!output.Create(path))
        return EntryResult::Failed;
    const bool copied = CopyRange(*from, entry.dataPosition, entry.size, output);
    return output.Close() && copied ? EntryResult::Written : EntryResult::Failed;
}

bool Extractor::ExtractArchive(RezFolder* folder, const std::string& destination,
                               ProgressSink& progress) {
    folder = doc_.Folders().Resolve(folder);
    BinaryFile archive;
    if (!OpenArchiveData(archive, "Error reading from REZ file: %s"))
        return false;
    const std::string target = destination.empty() ? ChooseExtractionFolder() : destination;
    // A chosen folder may not exist yet either: it is made as a given one is.
    if (target.empty() || !MakeExtractionFolder(target))
        return false;
    progress.Start(doc_.Host().Owner());
    return ExtractFolder(archive, folder, target, progress);
}

bool Extractor::ExtractFolder(BinaryFile& archive, RezFolder* folder, const std::string& base,
                              ProgressSink& progress) {
    return ExtractFolderTree(archive, SizeOf(archive), folder, base, progress);
}

bool Extractor::ExtractFolderTree(BinaryFile& archive, std::uint64_t archiveSize, RezFolder* folder,
                                  const std::string& base, ProgressSink& progress) {
    ExtractionQueue queue(doc_.LeftOut(), archive, archiveSize);
    const bool complete = ExtractFolderInto(queue, folder, base, progress);
    queue.Finish();
    return complete && queue.Complete();
}

bool Extractor::ExtractFolderInto(ExtractionQueue& queue, RezFolder* folder,
                                  const std::string& base, ProgressSink& progress) {
    folder = doc_.Folders().Resolve(folder);
    progress.SetLine(
        2, Format("Extracting Folder: %s", doc_.Host().Names().Shown(folder->name).c_str()), true);
    // Asked before the folder's directory is made: after Cancel no further one appears.
    if (progress.HasUserCancelled())
        return false;
    std::string target = base;
    if (folder != doc_.Root()) {
        std::string name;
        const bool safe = DiskNameFor(folder->name, name);
        target = JoinPath(base, name);
        if (!safe || IsLink(target) || !CreateDirectories(target)) {
            queue.Fail(ExtractionError(target));
            return false;
        }
    }

    bool complete = true;
    for (RezFolder* sub : folder->subfolders)
        complete = ExtractFolderInto(queue, sub, target, progress) && complete;
    if (folder->entries.empty())
        return complete;
    auto output = std::make_shared<OutputFolder>();
    output->Open(target);  // when it cannot be opened, every file in it fails
    const auto total = static_cast<std::uint32_t>(folder->entries.size());
    std::uint32_t n = 1;
    queue.StartFolder(&n);
    const EntryList& entries = folder->entries;
    for (auto entry = entries.begin(); entry != entries.end(); ++entry) {
        progress.SetProgress(n, total);
        if (progress.HasUserCancelled()) {
            queue.StartFolder(nullptr);
            return false;
        }
        complete = QueueEntry(queue, entry, entries.end(), target, output) && complete;
    }
    queue.StartFolder(nullptr);
    return complete;
}

bool Extractor::QueueEntry(ExtractionQueue& queue, EntryList::const_iterator entry,
                           EntryList::const_iterator end, const std::string& folder,
                           const std::shared_ptr<const OutputFolder>& output) {
    std::string name;
    const std::optional<bool> safe = OutputNameFor(*entry, name);
    if (!safe)
        return true;
    std::string path = JoinPath(folder, name);
    BinaryFile disk;
    BinaryFile* from =
        *safe ? EntryDataSource(queue.Archive(), queue.ArchiveSize(), *entry, disk) : nullptr;
    if (!from) {
        queue.Fail(ExtractionError(path));
        return false;
    }
    // Only an entry read from its own disk file needs a file the worker can keep.
    queue.Add(output, std::move(name), std::move(path), entry, end,
              from == &disk ? std::make_shared<BinaryFile>(std::move(disk)) : nullptr,
              output_ == ExtractionOutput::Pictures);
    return true;
}

bool Extractor::ExtractSelection(RezFolder* current, const std::vector<RezFolder*>& folders,
                                 const std::vector<const RezEntry*>& entries,
                                 const std::string& destination, ProgressSink& progress) {
    current = doc_.Folders().Resolve(current);
    if (!current)
        return false;
    std::string target = destination.empty() ? ChooseExtractionFolder() : destination;
    if (target.empty())
        return false;
    if (!CreateDirectories(target)) {
        doc_.LeftOut().Fail(Format("Cant create output file: %s\nSkipping!", target.c_str()));
        return false;
    }
    // Batch runs keep the selection below its folder path inside the destination.
    if (doc_.BatchFlag() && !MakeDiskFolder(target, current, true, target)) {
        doc_.LeftOut().Fail(Format("Cant create output file: %s\nSkipping!", target.c_str()));
        return false;
    }

    bool complete = true;
    for (RezFolder* folder : folders)
        complete = ExtractArchive(folder, target, progress) && complete;
    if (entries.empty())
        return complete;
    BinaryFile archive;
    if (!OpenArchiveData(archive, "Error opening: %s"))
        return false;
    const std::uint64_t archiveSize = SizeOf(archive);
    std::uint32_t n = 1;
    for (const RezEntry* entry : entries) {
        if (progress.HasUserCancelled())
            return false;
        std::string path;
        const EntryResult result = ExtractEntry(archive, archiveSize, *entry, target, path);
        if (result == EntryResult::Written) {
            progress.SetProgressDone(n++);
        } else if (result != EntryResult::LeftAlone) {
            doc_.LeftOut().Fail(FailureText(
                result, path, Format("Cant create output file: %s\nSkipping!", path.c_str())));
            complete = false;
        }
    }
    return complete;
}

bool Extractor::MakeDiskFolder(const std::string& base, RezFolder* folder, bool includeRoot,
                               std::string& path) {
    std::vector<const RezFolder*> chain;
    for (const RezFolder* up = doc_.Folders().Resolve(folder); up; up = up->parent)
        if (up->parent || includeRoot)
            chain.push_back(up);
    path = base;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        std::string name;
        const bool safe = DiskNameFor((*it)->name, name);
        path = JoinPath(path, name);
        if (!safe || IsLink(path))
            return false;
    }
    return CreateDirectories(path);
}

bool Extractor::ExtractItems(const std::vector<ArchiveItem>& items, const std::string& destination,
                             ProgressSink& progress) {
    BinaryFile archive;
    if (!OpenArchiveData(archive, "Error reading from REZ file: %s"))
        return false;
    const std::uint64_t archiveSize = SizeOf(archive);
    progress.Start(doc_.Host().Owner());
    bool complete = true;
    for (const ArchiveItem& item : items) {
        if (progress.HasUserCancelled())
            return false;
        // Each item goes where extracting everything would put it.
        RezFolder* folder = doc_.Folders().Resolve(item.folder);
        RezFolder* holder = item.entry ? folder : folder->parent;
        std::string directory;
        if (!MakeDiskFolder(destination, holder, false, directory)) {
            doc_.LeftOut().Fail(ExtractionError(directory));
            complete = false;
            continue;
        }
        if (!item.entry) {
            complete =
                ExtractFolderTree(archive, archiveSize, folder, directory, progress) && complete;
            continue;
        }
        std::string path;
        const EntryResult result = ExtractEntry(archive, archiveSize, *item.entry, directory, path);
        if (result == EntryResult::Failed || result == EntryResult::NoPicture) {
            doc_.LeftOut().Fail(FailureText(result, path, ExtractionError(path)));
            complete = false;
        }
    }
    return complete;
}

bool Extractor::ExtractIntoChosen(ProgressSink& progress,
                                  const std::function<bool(const std::string&)>& extract) {
    const std::string destination = ChooseExtractionFolder();
    if (destination.empty())
        return false;
    return RunWithProgress(progress, doc_.Host().Owner(), "Extracting...",
                           [&] { return extract(destination); });
}

bool Extractor::ExtractListSelection(RezFolder* current, const std::vector<RezFolder*>& folders,
                                     const std::vector<const RezEntry*>& entries,
                                     ProgressSink& progress) {
    return RunConfirmed(
        doc_.Host().Prompts(), folders.empty() && entries.empty(), nullptr, PromptButtons::Ok, [&] {
            return ExtractIntoChosen(progress, [&](const std::string& destination) {
                return ExtractSelection(current, folders, entries, destination, progress);
            });
        });
}

bool Extractor::ExtractTreeSelection(RezFolder* selected, ProgressSink& progress) {
    return RunConfirmed(
        doc_.Host().Prompts(), !selected,
        "Are you sure you wish to extract the entire Folder,\n and the subfolders it contains?",
        PromptButtons::YesNo, [&] {
            return ExtractIntoChosen(progress, [&](const std::string& destination) {
                return ExtractArchive(selected, destination, progress);
            });
        });
}
