// Adding disk files and folder trees to the archive in memory. Nothing is written here: a new
// entry records where its data lies on disk until the next save.
#include <cctype>
#include <cstdlib>
#include <ctime>
#include <unordered_set>

#include "app/TarvexDoc.h"
#include "archive/ArchivePaths.h"
#include "platform/Format.h"
#include "platform/TextCase.h"
#include "platform/filesystem/FileSystem.h"

namespace {

constexpr std::uint32_t kFirstIdentifier = 10000000;

std::string LocalTimeText(std::uint32_t seconds) {
    const std::time_t time = seconds;
    const std::tm* local = std::localtime(&time);
    char text[128] = "";
    if (!local || std::strftime(text, sizeof text, "%c", local) == 0)
        return {};
    return text;
}

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
    for (const std::string& ancestor : ancestors) {
        if (IsSameFile(ancestor, link))
            return true;
    }
    return false;
}

}  // namespace

bool CTarvexDoc::ReplaceConflicts(RezFolder& folder, const std::string& fullName,
                                  const std::string& shortName, const FileStatus& status,
                                  bool& cancelled) {
    const std::string folderPath = host_.Names().Shown(folders_.FolderPath(&folder, true)) + "\\";
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
            (folderPath + host_.Names().Shown(it->name)).c_str(), static_cast<int>(it->size),
            LocalTimeText(it->time).c_str(), fullName.c_str(), static_cast<int>(status.size),
            LocalTimeText(status.modified).c_str());
        const PromptAnswer answer = host_.Prompts().Ask(question, PromptButtons::YesNoCancel);
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

bool CTarvexDoc::AddFiles(const std::vector<std::string>& paths, RezFolder* target,
                          ProgressSink& progress) {
    std::vector<DiskFile> files;
    files.reserve(paths.size());
    for (const std::string& path : paths)
        files.push_back({path, std::nullopt, false});
    return AddDiskFiles(files, target, progress);
}

bool CTarvexDoc::AddDiskFiles(const std::vector<DiskFile>& files, RezFolder* target,
                              ProgressSink& progress) {
    RezFolder& folder = *folders_.Resolve(target);
    NameIndex names(folder);
    SharedFolderPart sharedFolder;
    const std::string archiveName = FileNameOf(archivePath_);
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::string& path = files[i].path;
        const std::optional<FileStatus> status =
            files[i].status ? files[i].status : ReadFileStatus(path);
        // Pipes, sockets and devices are no files to store: reading them may never end.
        if (status && status->isOther) {
            Skip(path);
            continue;
        }
        // A path that cannot be read, a folder, or a file too large for an archive would
        // become an entry the save cannot write.
        if (!status || status->isDirectory || status->size > UINT32_MAX ||
            !(files[i].readable || CanReadFile(path))) {
            Fail(Format("Error adding: %s", path.c_str()));
            continue;
        }
        const std::string diskName = FileNameOf(path);
        std::string shortName;
        if (!host_.Names().ToArchive(diskName, shortName)) {
            Skip(path);  // the archive's code page has no form of the name
            continue;
        }
        // The archive itself: its data would be read back while it is being replaced.
        if (!archivePath_.empty() && EqualNoCase(shortName, archiveName) &&
            IsSameFile(path, archivePath_)) {
            Skip(path, "Skipping the archive itself: %s");
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
    modified_ = true;
    return true;
}

bool CTarvexDoc::AddFile(const std::string& path, RezFolder* folder, ProgressSink& progress) {
    return AddFiles({path}, folder, progress);
}

void CTarvexDoc::Skip(const std::string& path, const char* format) {
    ++skipped_;
    host_.Prompts().Show(Format(format, path.c_str()));
}

bool CTarvexDoc::AddFolder(const std::string& path, RezFolder* folder, bool topLevel,
                           ProgressSink& progress) {
    std::vector<std::string> ancestors;
    FolderReadAhead readAhead(path);
    return AddFolderBelow(readAhead, readAhead.Root(), path, folder, topLevel, progress, ancestors);
}

bool CTarvexDoc::AddFolderBelow(FolderReadAhead& readAhead, FolderReadAhead::Folder folder,
                                const std::string& path, RezFolder* target, bool topLevel,
                                ProgressSink& progress, std::vector<std::string>& ancestors) {
    progress.SetLine(2, Format("Adding Folder: %s", path.c_str()), true);
    if (progress.HasUserCancelled())
        return false;
    std::string name;
    if (!host_.Names().ToArchive(DiskFolderName(path), name)) {
        Skip(path);
        return true;
    }
    RezFolder* destination;
    if (topLevel && (folderAsRoot_ || batchFlag_)) {
        destination = folders_.Resolve(target);
        Root()->name = Format("%s.rez", name.c_str());
        title_ = Root()->name;
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

RezFolder* CTarvexDoc::FindOrCreateSubfolder(const std::string& name, RezFolder* parent) {
    parent = folders_.Resolve(parent);
    // Without regard to case, as entry names: the save writes names in upper case, so Maps
    // beside MAPS would become two folders of one name.
    if (RezFolder* found = FindSubfolder(*parent, name))
        return found;
    RezFolder& created = folders_.InsertAfterParent(name, parent);
    created.time = static_cast<std::uint32_t>(std::time(nullptr));
    return &created;
}

RezFolder* CTarvexDoc::FindOrCreateFolderPath(const std::string& path, RezFolder* start) {
    if (RezFolder* found = folders_.FindFolderByPath(path, false))
        return found;
    RezFolder* folder = folders_.Resolve(start);
    for (const std::string& part : ArchivePathParts(path))
        folder = FindOrCreateSubfolder(part, folder);
    return folder;
}

RezFolder* CTarvexDoc::InsertFiles(RezFolder* selected, ProgressSink& progress) {
    FileDialogOptions options;
    options.filter = "All Files (*.*)|*.*||";
    options.flags = 0x1A00;  // multiple selection, path and file must exist
    const std::vector<std::string> paths = host_.Prompts().ChooseOpenFiles(options);
    if (paths.empty())
        return nullptr;
    progress.Start(host_.Owner());
    progress.SetLine(2, "Adding...", false);
    AddFiles(paths, selected, progress);
    progress.Stop();
    modified_ = true;
    host_.UpdateAllViews();
    return folders_.Resolve(selected);
}

RezFolder* CTarvexDoc::InsertFolder(RezFolder* selected, ProgressSink& progress) {
    const std::string path =
        host_.Prompts().ChooseFolder("Please select the folder you wish to insert:");
    if (path.empty())
        return nullptr;
    progress.Start(host_.Owner());
    progress.SetLine(2, "Adding...", false);
    AddFolder(path, selected, true, progress);
    progress.Stop();
    modified_ = true;
    host_.UpdateAllViews();
    return folders_.Resolve(selected);
}

void CTarvexDoc::NewProject(ProgressSink& progress) {
    NewDocument();
    folderAsRoot_ = true;
    InsertFolder(nullptr, progress);
    folderAsRoot_ = false;
    modified_ = false;
}
