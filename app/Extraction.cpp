// Copying entries out of the archive file into files and folders on disk.
#include "app/ItemNames.h"
#include "app/TarvexDoc.h"
#include "archive/ArchivePaths.h"
#include "platform/FileSystem.h"
#include "platform/Format.h"

namespace {

// The archive's length, asked once: asking moves the file position and drops its buffer.
std::uint64_t SizeOf(BinaryFile& archive) {
    const std::uint64_t size = archive.IsOpen() ? archive.Size() : 0;
    return size == UINT64_MAX ? 0 : size;
}

}  // namespace

std::string CTarvexDoc::ChooseExtractionFolder() {
    std::string path = host_.Prompts().ChooseFolder("Select an extraction Folder");
    if (path.size() > 1 && IsPathSeparator(path.back()))
        path.pop_back();
    return path;
}

bool CTarvexDoc::DiskNameFor(const std::string& archiveName, std::string& diskName) {
    // A name the disk's text cannot hold is refused like an unsafe one.
    if (!host_.Names().ToDisk(archiveName, diskName)) {
        diskName = archiveName;
        return false;
    }
    return IsSafeItemName(diskName);
}

BinaryFile* CTarvexDoc::EntryDataSource(BinaryFile& archive, std::uint64_t archiveSize,
                                        const RezEntry& entry, BinaryFile& disk) {
    if (entry.dataPosition == 0) {
        // Added since the last save: the data is still in its disk file.
        return disk.OpenRead(DiskSourceOf(entry)) ? &disk : nullptr;
    }
    // Data the archive does not hold (a truncated file) is not made up.
    return std::uint64_t{entry.dataPosition} + entry.size <= archiveSize ? &archive : nullptr;
}

bool CTarvexDoc::OpenArchiveData(BinaryFile& archive, const char* failureFormat) {
    // A document never saved has no archive: its entries all come from disk.
    if (archivePath_.empty() || archive.OpenRead(archivePath_))
        return true;
    Fail(Format(failureFormat, pathName_.c_str()));
    return false;
}

bool CTarvexDoc::CopyEntryTo(const RezEntry& entry, BinaryFile& output) {
    BinaryFile archive;
    if (!OpenArchiveData(archive, "Error reading from REZ file: %s"))
        return false;
    BinaryFile disk;
    BinaryFile* from = EntryDataSource(archive, SizeOf(archive), entry, disk);
    return from && CopyRange(*from, entry.dataPosition, entry.size, output);
}

bool CTarvexDoc::ExtractEntry(BinaryFile& archive, std::uint64_t archiveSize, const RezEntry& entry,
                              const std::string& folder, std::string& path) {
    std::string name;
    const bool safe = DiskNameFor(ItemNameOf(entry), name);
    path = JoinPath(folder, name);
    BinaryFile disk;
    // A link planted in the destination would be written through.
    BinaryFile* from =
        safe && !IsLink(path) ? EntryDataSource(archive, archiveSize, entry, disk) : nullptr;
    BinaryFile output;
    if (!from || !output.Create(path))
        return false;
    const bool copied = CopyRange(*from, entry.dataPosition, entry.size, output);
    return output.Close() && copied;
}

bool CTarvexDoc::ExtractArchive(RezFolder* folder, const std::string& destination,
                                ProgressSink& progress) {
    folder = folders_.Resolve(folder);
    BinaryFile archive;
    if (!OpenArchiveData(archive, "Error reading from REZ file: %s"))
        return false;
    const std::string target = destination.empty() ? ChooseExtractionFolder() : destination;
    if (target.empty())
        return false;
    // A chosen folder may not exist yet either: it is made as a given one is.
    if (!CreateDirectories(target)) {
        Fail(Format("Extraction error on file: %s\n!", target.c_str()));
        return false;
    }
    progress.Start(host_.Owner());
    return ExtractFolder(archive, folder, target, progress);
}

bool CTarvexDoc::ExtractFolder(BinaryFile& archive, RezFolder* folder, const std::string& base,
                               ProgressSink& progress) {
    return ExtractFolderTree(archive, SizeOf(archive), folder, base, progress);
}

bool CTarvexDoc::ExtractFolderTree(BinaryFile& archive, std::uint64_t archiveSize,
                                   RezFolder* folder, const std::string& base,
                                   ProgressSink& progress) {
    folder = folders_.Resolve(folder);
    progress.SetLine(2, Format("Extracting Folder: %s", host_.Names().Shown(folder->name).c_str()),
                     true);
    // Asked before the folder's directory is made: after Cancel no further one appears.
    if (progress.HasUserCancelled())
        return false;
    std::string target = base;
    if (folder != Root()) {
        std::string name;
        const bool safe = DiskNameFor(folder->name, name);
        target = JoinPath(base, name);
        if (!safe || IsLink(target) || !CreateDirectories(target)) {
            Fail(Format("Extraction error on file: %s\n!", target.c_str()));
            return false;
        }
    }

    bool complete = true;
    for (RezFolder* sub : folder->subfolders) {
        complete = ExtractFolderTree(archive, archiveSize, sub, target, progress) && complete;
    }
    const auto total = static_cast<std::uint32_t>(folder->entries.size());
    std::uint32_t n = 1;
    for (const RezEntry& entry : folder->entries) {
        progress.SetProgress(n, total);
        if (progress.HasUserCancelled())
            return false;
        std::string path;
        if (ExtractEntry(archive, archiveSize, entry, target, path)) {
            ++n;
        } else {
            Fail(Format("Extraction error on file: %s\n!", path.c_str()));
            complete = false;
        }
    }
    return complete;
}

bool CTarvexDoc::ExtractSelection(RezFolder* current, const std::vector<RezFolder*>& folders,
                                  const std::vector<const RezEntry*>& entries,
                                  const std::string& destination, ProgressSink& progress) {
    current = folders_.Resolve(current);
    if (!current)
        return false;
    std::string target = destination.empty() ? ChooseExtractionFolder() : destination;
    if (target.empty())
        return false;
    if (!CreateDirectories(target)) {
        Fail(Format("Cant create output file: %s\nSkipping!", target.c_str()));
        return false;
    }
    // Batch runs keep the selection below its folder path inside the destination.
    if (batchFlag_ && !MakeDiskFolder(target, current, true, target)) {
        Fail(Format("Cant create output file: %s\nSkipping!", target.c_str()));
        return false;
    }

    bool complete = true;
    for (RezFolder* folder : folders) {
        complete = ExtractArchive(folder, target, progress) && complete;
    }
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
        if (ExtractEntry(archive, archiveSize, *entry, target, path)) {
            progress.SetProgressDone(n++);
        } else {
            Fail(Format("Cant create output file: %s\nSkipping!", path.c_str()));
            complete = false;
        }
    }
    return complete;
}

bool CTarvexDoc::MakeDiskFolder(const std::string& base, RezFolder* folder, bool includeRoot,
                                std::string& path) {
    std::vector<const RezFolder*> chain;
    for (const RezFolder* up = folders_.Resolve(folder); up; up = up->parent) {
        if (up->parent || includeRoot)
            chain.push_back(up);
    }
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

bool CTarvexDoc::ExtractItems(const std::vector<ArchiveItem>& items, const std::string& destination,
                              ProgressSink& progress) {
    BinaryFile archive;
    if (!OpenArchiveData(archive, "Error reading from REZ file: %s"))
        return false;
    const std::uint64_t archiveSize = SizeOf(archive);
    progress.Start(host_.Owner());
    bool complete = true;
    for (const ArchiveItem& item : items) {
        if (progress.HasUserCancelled())
            return false;
        // Each item goes where extracting everything would put it.
        RezFolder* folder = folders_.Resolve(item.folder);
        RezFolder* holder = item.entry ? folder : folder->parent;
        std::string directory;
        if (!MakeDiskFolder(destination, holder, false, directory)) {
            Fail(Format("Extraction error on file: %s\n!", directory.c_str()));
            complete = false;
            continue;
        }
        if (!item.entry) {
            complete =
                ExtractFolderTree(archive, archiveSize, folder, directory, progress) && complete;
            continue;
        }
        std::string path;
        if (!ExtractEntry(archive, archiveSize, *item.entry, directory, path)) {
            Fail(Format("Extraction error on file: %s\n!", path.c_str()));
            complete = false;
        }
    }
    return complete;
}

bool CTarvexDoc::ExtractListSelection(RezFolder* current, const std::vector<RezFolder*>& folders,
                                      const std::vector<const RezEntry*>& entries,
                                      ProgressSink& progress) {
    if (folders.empty() && entries.empty()) {
        host_.Prompts().Show(kNoSelection);
        return false;
    }
    const std::string destination = ChooseExtractionFolder();
    if (destination.empty())
        return false;
    progress.Start(host_.Owner());
    progress.SetLine(2, "Extracting...", false);
    const bool complete = ExtractSelection(current, folders, entries, destination, progress);
    progress.Stop();
    return complete;
}

bool CTarvexDoc::ExtractTreeSelection(RezFolder* selected, ProgressSink& progress) {
    if (!selected) {
        host_.Prompts().Show(kNoSelection);
        return false;
    }
    if (host_.Prompts().Ask(
            "Are you sure you wish to extract the entire Folder,\n and the subfolders it contains?",
            PromptButtons::YesNo) != PromptAnswer::Yes)
        return false;
    const std::string destination = ChooseExtractionFolder();
    if (destination.empty())
        return false;
    progress.Start(host_.Owner());
    progress.SetLine(2, "Extracting...", false);
    const bool complete = ExtractArchive(selected, destination, progress);
    progress.Stop();
    return complete;
}
