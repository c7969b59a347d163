// Copying entries out of the archive file into files and folders on disk.
#include "app/ItemNames.h"
#include "app/TarvexDoc.h"
#include "archive/ArchivePaths.h"
#include "platform/FileSystem.h"
#include "platform/Format.h"

namespace {

// The name an entry gets on disk: a new entry's name is still its source path.
std::string DiskNameOf(const RezEntry& entry) {
    return entry.dataPosition == 0 ? FileNameOf(entry.name) : entry.name;
}

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

bool CTarvexDoc::ExtractEntry(BinaryFile& archive, std::uint64_t archiveSize, const RezEntry& entry,
                              const std::string& folder, std::string& path) {
    const std::string name = DiskNameOf(entry);
    path = JoinPath(folder, name);
    // A link planted in the destination would be written through.
    if (!IsSafeItemName(name) || IsLink(path))
        return false;
    BinaryFile source;
    BinaryFile* from = &archive;
    if (entry.dataPosition == 0) {
        // Added since the last save: the data is still in its disk file.
        if (!source.OpenRead(entry.name))
            return false;
        from = &source;
    } else {
        // Data the archive does not hold (a truncated file) is not made up.
        if (std::uint64_t{entry.dataPosition} + entry.size > archiveSize)
            return false;
    }
    BinaryFile output;
    if (!output.Create(path))
        return false;
    const bool copied = CopyRange(*from, entry.dataPosition, entry.size, output);
    return output.Close() && copied;
}

bool CTarvexDoc::ExtractArchive(RezFolder* folder, const std::string& destination,
                                ProgressSink& progress) {
    folder = folders_.Resolve(folder);
    BinaryFile archive;
    if (!archivePath_.empty() && !archive.OpenRead(archivePath_)) {
        Fail(Format("Error reading from REZ file: %s", pathName_.c_str()));
        return false;
    }
    std::string target = destination;
    if (target.empty()) {
        target = ChooseExtractionFolder();
        if (target.empty())
            return false;
    } else if (!CreateDirectories(target)) {
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
    std::string target = base;
    if (folder != Root()) {
        target = JoinPath(base, folder->name);
        if (!IsSafeItemName(folder->name) || IsLink(target) || !CreateDirectories(target)) {
            Fail(Format("Extraction error on file: %s\n!", target.c_str()));
            return false;
        }
    }
    progress.SetLine(2, Format("Extracting Folder: %s", folder->name.c_str()), true);
    if (progress.HasUserCancelled())
        return false;

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
    if (batchFlag_) {
        // Batch runs keep the selection below its folder path inside the destination.
        std::string path = folders_.FolderPath(current, true);
        std::size_t begin = 0;
        while (begin <= path.size()) {
            std::size_t end = path.find('\\', begin);
            if (end == std::string::npos)
                end = path.size();
            const std::string part = path.substr(begin, end - begin);
            if (!part.empty()) {
                target = JoinPath(target, part);
                if (!IsSafeItemName(part) || IsLink(target)) {
                    Fail(Format("Cant create output file: %s\nSkipping!", path.c_str()));
                    return false;
                }
            }
            begin = end + 1;
        }
        if (!CreateDirectories(target)) {
            Fail(Format("Cant create output file: %s\nSkipping!", target.c_str()));
            return false;
        }
    }

    bool complete = true;
    for (RezFolder* folder : folders) {
        complete = ExtractArchive(folder, target, progress) && complete;
    }
    if (entries.empty())
        return complete;
    BinaryFile archive;
    if (!archivePath_.empty() && !archive.OpenRead(archivePath_)) {
        Fail(Format("Error opening: %s", pathName_.c_str()));
        return false;
    }
    const std::uint64_t archiveSize = SizeOf(archive);
    std::uint32_t n = 1;
    for (const RezEntry* entry : entries) {
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
