// Adding disk files and folder trees to the archive in memory. Nothing is written here: a new
// entry records where its data lies on disk until the next save.
#include "app/Adding.h"

#include <cctype>
#include <cstdlib>
#include <ctime>
#include <unordered_set>

#include "app/CommandSteps.h"
#include "app/TarvexDoc.h"
#include "archive/ArchivePaths.h"
#include "platform/Format.h"
#include "platform/TextCase.h"
#include "platform/TimeText.h"
#include "platform/filesystem/FileSystem.h"

namespace {

constexpr std::uint32_t kFirstIdentifier = 10000000;

// The replace question shows times in the C runtime's own form of its locale.
constexpr char kQuestionTimeFormat[] = "%c";

std::uint32_t NextIdentifier(const RezFolder& folder, const std::string& path) {
    std::uint32_t next = folder.entries.empty() ? 0 : folder.entries.back().identifier + 1;
    if (next == 0)
        next = kFirstIdentifier;
    // A source path that reads as a number names its identifier.
    const long number = std::atol(path.c_str());
    return number != 0 ? static_cast<std::uint32_t>(number) : next;
}

// The folder name of a disk path, ignoring trailing separators ("Maps/" is Maps).
std::string DiskFolderName(std::string path) {
    while (path.size() > 1 && IsPathSeparator(path.back()))
        path.pop_back();
    return PathLeaf(path);
}

// An entry added since the last save still carries its disk path, but is stored under its
// file name: two of them with the same file name would collide in the saved archive.
bool Conflicts(const RezEntry& entry, const std::string& fullName, const std::string& shortName) {
    return EqualNoCase(entry.name, fullName) || EqualNoCase(entry.name, shortName) ||
           (entry.dataPosition == 0 && EqualNoCase(std::string(entry.name.FileName()), shortName));
}

// The file names of the folder's entries, compared without regard to case, so that a large
// folder is not walked once per added file just to learn that nothing conflicts. Every entry
// that conflicts with a disk file has that file's name as its own last part.
class NameIndex {
  public:
    explicit NameIndex(const RezFolder& folder) {
        for (const RezEntry& entry : folder.entries)
            Add(std::string(entry.name.FileName()));
    }
    void Add(std::string fileName) { names_.insert(std::move(fileName)); }
    bool MayConflict(const std::string& shortName) const { return names_.count(shortName) != 0; }

  private:
    // Folds ASCII letters only: names equal without regard to case always hash alike.
    struct FoldedHash {
        std::size_t operator()(const std::string& text) const {
            std::uint64_t hash = 14695981039346656037ull;  // 64-bit FNV-1a, also on 32 bits
            for (unsigned char c : text)
                hash = (hash ^ static_cast<unsigned char>(std::toupper(c))) * 1099511628211ull;
            return static_cast<std::size_t>(hash ^ (hash >> 32));
        }
    };
    struct SameNoCase {
        bool operator()(const std::string& a, const std::string& b) const {
            return EqualNoCase(a, b);
        }
    };
    std::unordered_set<std::string, FoldedHash, SameNoCase> names_;
};

// A link to a folder that holds the folder being added, or any folder this run is adding,
// would add that folder again inside itself.
bool LeadsBackUp(const std::string& link, const std::string& folder,
                 const std::vector<std::string>& ancestors) {
    if (IsInsideDirectory(folder, link))
        return true;
    for (const std::string& ancestor : ancestors)
        if (IsSameFile(ancestor, link))
            return true;
    return false;
}

}  // namespace

DiskPaths SortDiskPaths(const std::vector<std::string>& paths) {
    DiskPaths sorted;
    for (const std::string& path : paths) {
        // The file system's own attribute: the shell also calls archives such as .zip files
        // folders, and those are files to add.
        std::optional<FileStatus> status = ReadFileStatus(path);
        if (status && status->isDirectory)
            sorted.folders.push_back(path);
        else
            sorted.files.push_back({path, std::move(status), false});
    }
    return sorted;
}

bool Adder::ReplaceConflicts(RezFolder& folder, const std::string& fullName,
                             const std::string& shortName, const FileStatus& status,
                             bool& cancelled) {
    DocumentHost& host = doc_.Host();
    const std::string folderPath =
        host.Names().Shown(doc_.Folders().FolderPath(&folder, true)) + "\\";
    int conflicts = 0, kept = 0;
    for (auto it = folder.entries.begin(); it != folder.entries.end();) {
        if (!Conflicts(*it, fullName, shortName)) {
            ++it;
            continue;
        }
        ++conflicts;
        const std::string question = Format(
            "Would you like to replace:\n\n %s, Size: %i, Date: %s \n\nwith:\n\n %s, Size: %i, "
            "Date: %s ?",
            (folderPath + host.Names().Shown(it->name)).c_str(), static_cast<int>(it->size),
            LocalTimeText(it->time, kQuestionTimeFormat).c_str(), fullName.c_str(),
            static_cast<int>(status.size),
            LocalTimeText(status.modified, kQuestionTimeFormat).c_str());
        const PromptAnswer answer = host.Prompts().Ask(question, PromptButtons::YesNoCancel);
        if (answer == PromptAnswer::Cancel) {
            cancelled = true;
            return false;
        }
        if (answer == PromptAnswer::Yes) {
            it = folder.entries.erase(it);
        } else {
            ++kept;
            ++it;
        }
    }
    // Added unless every conflicting entry was kept.
    return conflicts == 0 || kept < conflicts;
}

bool Adder::AddFiles(const std::vector<std::string>& paths, RezFolder* target,
                     ProgressSink& progress) {
    std::vector<DiskFile> files;
    files.reserve(paths.size());
    for (const std::string& path : paths)
        files.push_back({path, std::nullopt, false});
    return AddDiskFiles(files, target, progress);
}

bool Adder::AddDiskPaths(const DiskPaths& paths, RezFolder* target, ProgressSink& progress,
                         DiskPathsOrder order) {
    bool complete = true;
    const auto addFolders = [&] {
        for (const std::string& folder : paths.folders) {
            if (!complete && order.stopAfterCancel)
                return;
            complete = AddFolder(folder, target, true, progress) && complete;
        }
    };
    if (order.foldersFirst)
        addFolders();
    if (!paths.files.empty() && (complete || !order.stopAfterCancel))
        complete = AddDiskFiles(paths.files, target, progress) && complete;
    if (!order.foldersFirst)
        addFolders();
    return complete;
}

bool Adder::AddDiskFiles(const std::vector<DiskFile>& files, RezFolder* target,
                         ProgressSink& progress) {
    RezFolder& folder = *doc_.Folders().Resolve(target);
    NameIndex names(folder);
    SharedFolderPart sharedFolder;
    const std::string& archivePath = doc_.ArchivePath();
    const std::string archiveName = FileNameOf(archivePath);
    const NameCodec& codec = doc_.Host().Names();
    LeftOutItems& leftOut = doc_.LeftOut();
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::string& path = files[i].path;
        const std::optional<FileStatus> status =
            files[i].status ? files[i].status : ReadFileStatus(path);
        // Pipes, sockets and devices are no files to store: reading them may never end.
        if (status && status->isOther) {
            leftOut.Skip(path);
            continue;
        }
        // A path that cannot be read, a folder, or a file too large for an archive would
        // become an entry the save cannot write.
        if (!status || status->isDirectory || status->size > UINT32_MAX ||
            !(files[i].readable || CanReadFile(path))) {
            leftOut.Fail(Format("Error adding: %s", path.c_str()));
            continue;
        }
        const std::string diskName = FileNameOf(path);
        std::string shortName;
        if (!codec.ToArchive(diskName, shortName)) {
            leftOut.Skip(path);  // the archive's code page has no form of the name
            continue;
        }
        // The archive itself: its data would be read back while it is being replaced.
        if (!archivePath.empty() && EqualNoCase(shortName, archiveName) &&
            IsSameFile(path, archivePath)) {
            leftOut.Skip(path, "Skipping the archive itself: %s");
            continue;
        }
        if (names.MayConflict(shortName)) {
            bool cancelled = false;
            const bool add =
                ReplaceConflicts(folder, FullPathName(path), shortName, *status, cancelled);
            names = NameIndex(folder);
            if (cancelled)
                return false;
            if (!add)
                continue;
        }
        // The source path until the next save, with its file name as the archive will hold it;
        // the files of one folder share the folder's part.
        const std::string_view diskFolder =
            std::string_view(path).substr(0, path.size() - diskName.size());
        if (sharedFolder.View() != diskFolder)
            sharedFolder = SharedFolderPart(diskFolder);
        const std::uint32_t identifier = NextIdentifier(folder, path);
        RezEntry& entry = folder.entries.emplace_back();
        entry.name = EntryName(sharedFolder, shortName);
        if (shortName != diskName)
            entry.diskPath = EntryName(sharedFolder, diskName);
        entry.size = static_cast<std::uint32_t>(status->size);
        entry.time = status->modified;
        entry.identifier = identifier;
        // The '.' is searched in the whole path.
        const std::string typed =
            shortName.find('.') == std::string::npos ? entry.name.str() : shortName;
        entry.typeCode = TypeCodeOf(typed);
        entry.typeName = typeNames_.For(entry.typeCode, typed);
        names.Add(std::move(shortName));
        progress.SetProgressDone(static_cast<std::uint32_t>(i));
    }
    doc_.SetModified(true);
    return true;
}

bool Adder::AddFile(const std::string& path, RezFolder* folder, ProgressSink& progress) {
    return AddFiles({path}, folder, progress);
}

bool Adder::AddFolder(const std::string& path, RezFolder* folder, bool topLevel,
                      ProgressSink& progress) {
    std::vector<std::string> ancestors;
    FolderReadAhead readAhead(path);
    return AddFolderBelow(readAhead, readAhead.Root(), path, folder, topLevel, progress, ancestors);
}

bool Adder::AddFolderBelow(FolderReadAhead& readAhead, FolderReadAhead::Folder folder,
                           const std::string& path, RezFolder* target, bool topLevel,
                           ProgressSink& progress, std::vector<std::string>& ancestors) {
    progress.SetLine(2, Format("Adding Folder: %s", path.c_str()), true);
    if (progress.HasUserCancelled())
        return false;
    std::string name;
    if (!doc_.Host().Names().ToArchive(DiskFolderName(path), name)) {
        doc_.LeftOut().Skip(path);
        return true;
    }
    RezFolder* destination;
    if (topLevel && (folderAsRoot_ || doc_.BatchFlag())) {
        destination = doc_.Folders().Resolve(target);
        doc_.Root()->name = Format("%s.rez", name.c_str());
        doc_.SetTitle(doc_.Root()->name);
    } else {
        destination = FindOrCreateSubfolder(name, target);
    }

    const FolderReadAhead::Listing& listing = readAhead.Take(folder);
    ancestors.push_back(path);
    std::vector<DiskFile> files;
    bool complete = true;
    std::size_t subfolders = 0;
    for (const DirectoryItem& item : listing.items) {
        std::string itemPath = JoinPath(path, item.name);
        if (item.isDirectory) {
            FolderReadAhead::Folder subfolder = readAhead.Subfolder(listing, subfolders++);
            // Only a link can lead back to a folder being added, which would never end.
            if (item.isLink && LeadsBackUp(itemPath, path, ancestors))
                continue;
            complete = AddFolderBelow(readAhead, std::move(subfolder), itemPath, destination, false,
                                      progress, ancestors) &&
                       complete;
        } else {
            files.push_back({std::move(itemPath), item.status, item.readable});
        }
    }
    ancestors.pop_back();
    return AddDiskFiles(files, destination, progress) && complete;
}

RezFolder* Adder::FindOrCreateSubfolder(const std::string& name, RezFolder* parent) {
    FolderList& folders = doc_.Folders();
    parent = folders.Resolve(parent);
    // Without regard to case, as entry names: the save writes names in upper case, so Maps
    // beside MAPS would become two folders of one name.
    if (RezFolder* found = FindSubfolder(*parent, name))
        return found;
    RezFolder& created = folders.InsertAfterParent(name, parent);
    created.time = static_cast<std::uint32_t>(std::time(nullptr));
    return &created;
}

RezFolder* Adder::FindOrCreateFolderPath(const std::string& path, RezFolder* start) {
    if (RezFolder* found = doc_.Folders().FindFolderByPath(path, false))
        return found;
    RezFolder* folder = doc_.Folders().Resolve(start);
    for (const std::string& part : ArchivePathParts(path))
        folder = FindOrCreateSubfolder(part, folder);
    return folder;
}

RezFolder* Adder::InsertFiles(RezFolder* selected, ProgressSink& progress) {
    FileDialogOptions options;
    options.filter = "All Files (*.*)|*.*||";
    options.rules = {.multipleFiles = true, .pathMustExist = true, .fileMustExist = true};
    DocumentHost& host = doc_.Host();
    const std::vector<std::string> paths = host.Prompts().ChooseOpenFiles(options);
    if (paths.empty())
        return nullptr;
    RunWithProgress(progress, host.Owner(), "Adding...",
                    [&] { return AddFiles(paths, selected, progress); });
    doc_.SetModified(true);
    host.UpdateAllViews();
    return doc_.Folders().Resolve(selected);
}

RezFolder* Adder::InsertFolder(RezFolder* selected, ProgressSink& progress) {
    DocumentHost& host = doc_.Host();
    const std::string path =
        host.Prompts().ChooseFolder("Please select the folder you wish to insert:");
    if (path.empty())
        return nullptr;
    RunWithProgress(progress, host.Owner(), "Adding...",
                    [&] { return AddFolder(path, selected, true, progress); });
    doc_.SetModified(true);
    host.UpdateAllViews();
    return doc_.Folders().Resolve(selected);
}

void Adder::NewProject(ProgressSink& progress) {
    doc_.NewDocument();
    folderAsRoot_ = true;
    InsertFolder(nullptr, progress);
    folderAsRoot_ = false;
    doc_.SetModified(false);
}
